#pragma once
#include <string>

class QtMessageService;

// The program's life between the application and its end: the help window and
// the main window, the file named on the command line opened once the window is
// shown, and the event loop. Closing the main window (File > Exit among others)
// ends the loop whatever other top-level windows remain, the help window or the
// Edit Name box included. The message boxes, if given, belong to the main window
// while it lives. Returns the loop's result.
int RunMainForm(const std::string& commandLineFile, QtMessageService* boxes = nullptr);
