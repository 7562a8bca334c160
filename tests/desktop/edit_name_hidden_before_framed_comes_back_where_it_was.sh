#!/usr/bin/env bash
# The Edit Name box shown and hidden again before the window manager framed
# it (a busy window manager) comes back where it was, not lower by its
# title bar.
source "$(dirname "$0")/desktop_session.sh"

desktop_start
project=$DESKTOP_WORK/box.qbp
desktop_project "$project" Normal "DlgEditName 700 90 300"
desktop_run "$project"
desktop_expect_corner "Edit Name" "700 90" "opened from the project"

desktop_keys "Quarbel 9.1*" n
desktop_poll "$DESKTOP_BOUND" eval '! desktop_window_shown "Edit Name"' || desktop_fail "N did not hide the box"
# Shown and hidden while the window manager is held; the keys go to the main
# window, which keeps the focus. The help window is made once both are taken.
kill -STOP "$DESKTOP_WM"
xdotool key --clearmodifiers n n F1
desktop_poll "$DESKTOP_BOUND" desktop_window_made "Quarbel Help" || {
    kill -CONT "$DESKTOP_WM"
    desktop_fail "the keys did not reach the main window"
}
kill -CONT "$DESKTOP_WM"
desktop_poll "$DESKTOP_BOUND" desktop_framed "Quarbel Help" || desktop_fail "F1 showed no help"

desktop_keys "Quarbel 9.1*" n
desktop_expect_corner "Edit Name" "700 90" "shown again after it was hidden before it was framed"
desktop_exit
[[ "$DESKTOP_STATUS" == 0 ]] || desktop_fail "the program ended with $DESKTOP_STATUS"
