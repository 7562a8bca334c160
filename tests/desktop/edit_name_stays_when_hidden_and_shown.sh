#!/usr/bin/env bash
# Dialogbox Edit Name (its key N in a wave window) hides the box and shows it
# again where it was: at the place it takes at start, at a place a project
# gives, and at a place it was dragged to.
source "$(dirname "$0")/desktop_session.sh"

# toggle_twice: off and on again, then the box must stand where it stood.
toggle_twice()
{
    local before
    desktop_settle "Edit Name"
    before=$(desktop_corner "Edit Name")
    desktop_keys "Quarbel 9.1*" n
    desktop_poll "$DESKTOP_BOUND" desktop_window_hidden "Edit Name" || desktop_fail "N did not hide the box"
    desktop_keys "Quarbel 9.1*" n
    desktop_poll "$DESKTOP_BOUND" desktop_window_shown "Edit Name" || desktop_fail "N did not show the box"
    desktop_expect_corner "Edit Name" "$before" "hidden and shown $1"
}

desktop_window_hidden()
{
    ! desktop_window_shown "$1"
}

desktop_start
desktop_wave "$DESKTOP_WORK/names.wav"

desktop_run "$DESKTOP_WORK/names.wav"
desktop_poll "$DESKTOP_BOUND" desktop_framed "Edit Name" || desktop_fail "the Edit Name box did not show at start"
toggle_twice "at its first place"
toggle_twice "once more"
desktop_drag_title "Edit Name" -150 90
toggle_twice "after a drag"
desktop_exit

desktop_project "$DESKTOP_WORK/names.qbp" Normal "DlgEditName 500 120 280" "Wave $DESKTOP_WORK/names.wav"
desktop_run "$DESKTOP_WORK/names.qbp"
desktop_expect_corner "Edit Name" "500 120" "opened from a project"
toggle_twice "at a project's place"
desktop_exit
