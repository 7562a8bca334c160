#!/usr/bin/env bash
# With the main window maximised, Select and Zoom, Music Staves and Music
# Parts open at the main window's right and bottom edges, moved back onto the
# work area: each frame, title bar and borders counted, ends at the work
# area's right and bottom edges, above a desktop panel 40 pixels high. So
# when shown the first time and again after being hidden.
source "$(dirname "$0")/desktop_session.sh"

# at_edges TITLE: whether the window's frame ends at the work area's right and bottom edges.
at_edges()
{
    local frame
    read -r -a frame <<<"$(desktop_frame "$1")"
    ((${#frame[@]} == 4 && frame[0] + frame[2] == area[0] + area[2] && frame[1] + frame[3] == area[1] + area[3]))
}

expect_at_edges()
{
    desktop_poll_holds "$DESKTOP_BOUND" at_edges "$1" ||
        desktop_fail "$2: the frame of \"$1\" is $(desktop_frame "$1"), the work area $(desktop_workarea)"
}

# toggle KEY TITLE: the dialog's key hides it and shows it again.
toggle()
{
    desktop_keys "Quarbel 9.1*" "$1"
    desktop_poll "$DESKTOP_BOUND" eval "! desktop_window_shown \"$2\"" || desktop_fail "$1 did not hide \"$2\""
    desktop_keys "Quarbel 9.1*" "$1"
}

desktop_start 40
read -r -a area <<<"$(desktop_workarea)"
desktop_wave "$DESKTOP_WORK/edges.wav"
desktop_music "$DESKTOP_WORK/edges.qbm"

desktop_project "$DESKTOP_WORK/wave.qbp" Maximized "Wave $DESKTOP_WORK/edges.wav"
desktop_run "$DESKTOP_WORK/wave.qbp"
desktop_keys "Quarbel 9.1*" q
expect_at_edges "Select and Zoom" "shown"
toggle q "Select and Zoom"
expect_at_edges "Select and Zoom" "shown again"
desktop_exit

# Music Parts first: Music Staves then opens where a first show at start did not show the fault.
desktop_project "$DESKTOP_WORK/music.qbp" Maximized "Music $DESKTOP_WORK/edges.qbm"
desktop_run "$DESKTOP_WORK/music.qbp"
desktop_keys "Quarbel 9.1*" ctrl+shift+d
expect_at_edges "Music Parts" "shown"
desktop_keys "Quarbel 9.1*" ctrl+d
expect_at_edges "Music Staves" "shown"
toggle ctrl+d "Music Staves"
expect_at_edges "Music Staves" "shown again"
toggle ctrl+shift+d "Music Parts"
expect_at_edges "Music Parts" "shown again"
desktop_exit
