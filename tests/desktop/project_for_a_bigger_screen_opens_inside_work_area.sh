#!/usr/bin/env bash
# A project saved on a bigger screen, opened on one of 1600 x 1000 with a
# panel 40 pixels high: the main window (saved below the screen) and every
# dialog (saved right of, below, left of and above it) open with their whole
# frames inside the work area, and the project saves the places they have.
# A dialog maximised all the same goes back where it was.
source "$(dirname "$0")/desktop_session.sh"

declare -A title=([Frame]="Quarbel 9.1*" [DlgSelZoom]="Select and Zoom" [DlgMusStave]="Music Staves"
    [DlgMusTree]="Music Parts" [DlgEditName]="Edit Name")

# inside TITLE: whether the window's whole frame lies in the work area.
inside()
{
    local frame
    read -r -a frame <<<"$(desktop_frame "$1")"
    ((${#frame[@]} == 4 && frame[0] >= area[0] && frame[1] >= area[1] &&
        frame[0] + frame[2] <= area[0] + area[2] && frame[1] + frame[3] <= area[1] + area[3]))
}

desktop_start 40
read -r -a area <<<"$(desktop_workarea)"
project=$DESKTOP_WORK/bigger.qbp
desktop_music "$DESKTOP_WORK/bigger.qbm"
desktop_project "$project" Normal "DlgSelZoom 1500 300" "DlgMusStave 400 -80" "DlgMusTree 3000 2000 602 400" \
    "DlgEditName -250 500 300" "Music $DESKTOP_WORK/bigger.qbm"
# The main window below the screen: its Left and Top are the file's first.
sed -i '0,/<Left>40</s//<Left>200</; 0,/<Top>30</s//<Top>650</' "$project"

desktop_run "$project"
for element in "${!title[@]}"; do
    desktop_poll_holds "$DESKTOP_BOUND" inside "${title[$element]}" ||
        desktop_fail "\"${title[$element]}\" has its frame at $(desktop_frame "${title[$element]}")," \
            "the work area is ${area[*]}"
done
# The boxes that can be resized, maximised by the window manager all the
# same (openbox offers it to any window that can be resized), go back.
for element in DlgMusTree DlgEditName; do
    before=$(desktop_frame "${title[$element]}")
    desktop_client_message root "$(desktop_window "${title[$element]}")" _NET_WM_STATE 1 \
        _NET_WM_STATE_MAXIMIZED_VERT _NET_WM_STATE_MAXIMIZED_HORZ 1 ||
        desktop_fail "could not ask for \"${title[$element]}\" maximised"
    # Once the window manager has given the main window the focus, it has
    # handled the request before it.
    desktop_keys "Quarbel 9.1*"
    desktop_poll_holds "$DESKTOP_BOUND" eval '[[ "$(desktop_frame "${title[$element]}")" == "$before" ]]' ||
        desktop_fail "maximised, \"${title[$element]}\" stays at $(desktop_frame "${title[$element]}"), not at $before"
done
declare -A corner
for element in DlgSelZoom DlgMusStave DlgMusTree DlgEditName; do
    corner[$element]=$(desktop_corner "${title[$element]}")
done
desktop_exit
for element in "${!corner[@]}"; do
    saved=$(desktop_saved_place "$project" "$element")
    [[ "$saved" == "${corner[$element]}" ]] ||
        desktop_fail "the project keeps $element at \"$saved\", its frame stood at ${corner[$element]}"
done
[[ "$DESKTOP_STATUS" == 0 ]] || desktop_fail "the program ended with $DESKTOP_STATUS"
