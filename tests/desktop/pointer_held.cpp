// Tells the desktop tests whether the X pointer is held by a client: exit
// status 0 while it is (a button held down on a window, a window manager's
// move under way), 1 while it is free, 2 without a display. It tries to take
// the pointer itself and lets it go at once when that succeeds.
#include <X11/Xlib.h>

int main()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    const int status = XGrabPointer(display, DefaultRootWindow(display), False, 0, GrabModeAsync, GrabModeAsync,
                                    None, None, CurrentTime);
    if (status == GrabSuccess)
        XUngrabPointer(display, CurrentTime);
    XCloseDisplay(display);
    return status == AlreadyGrabbed || status == GrabFrozen ? 0 : 1;
}
