#!/usr/bin/env bash
# A program closed before its main window is on the screen (a slow window
# manager, a logout at start) saves the project with the places the project
# gave: the main window's and every dialog's, the Edit Name box's too, which
# still waits for the main window. (The box was saved at 0 0.)
source "$(dirname "$0")/desktop_session.sh"

desktop_start
project=$DESKTOP_WORK/early.qbp
desktop_music "$DESKTOP_WORK/early.qbm"
desktop_project "$project" Normal "DlgSelZoom 1040 40" "DlgMusStave 620 200" "DlgMusTree 30 480 602 400" \
    "DlgEditName 700 90 300" "Music $DESKTOP_WORK/early.qbm"
declare -A given=([Frame]="40 30" [DlgSelZoom]="1040 40" [DlgMusStave]="620 200" [DlgMusTree]="30 480"
    [DlgEditName]="700 90")

kill -STOP "$DESKTOP_WM"
desktop_launch "$project"
# The caption names the project once it is being read; the read ends before
# the program hears anything more.
desktop_poll "$DESKTOP_BOUND" desktop_window_made "Quarbel 9.1 - *" || {
    kill -CONT "$DESKTOP_WM"
    desktop_fail "the main window did not take the project"
}
main=
for id in $(xdotool search --all --pid "$DESKTOP_PID" --name '.' 2>/dev/null); do
    # shellcheck disable=SC2053
    [[ "$(xdotool getwindowname "$id" 2>/dev/null)" == "Quarbel 9.1 - "* ]] && main=$id
done
xwininfo -id "$main" | grep -q 'Map State: IsUnMapped' || desktop_fail "the main window is on the screen already"
# Asked to close as a session asks at logout: the window manager is held.
desktop_client_message window "$main" WM_PROTOCOLS WM_DELETE_WINDOW ||
    desktop_fail "could not ask the main window to close"
desktop_poll "$DESKTOP_BOUND" desktop_ended || desktop_fail "the program did not end when asked to close"
kill -CONT "$DESKTOP_WM"
for element in "${!given[@]}"; do
    saved=$(desktop_saved_place "$project" "$element")
    [[ "$saved" == "${given[$element]}" ]] ||
        desktop_fail "closed before its main window showed, the program saved $element at \"$saved\"," \
            "given ${given[$element]}"
done
[[ "$DESKTOP_STATUS" == 0 ]] || desktop_fail "the program ended with $DESKTOP_STATUS"
