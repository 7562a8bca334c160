#!/usr/bin/env bash
# A project keeps each shown modeless dialog by the top left corner of its
# frame. Opened, every dialog's frame stands at the numbers the project holds;
# the Edit Name box is then dragged elsewhere by its title bar; File > Exit
# saves the project with the places the frames have, and the project opened
# again shows every frame there, to the pixel, and saves the same numbers.
source "$(dirname "$0")/desktop_session.sh"

desktop_start
project=$DESKTOP_WORK/places.qbp
desktop_music "$DESKTOP_WORK/staves.qbm"
declare -A title=([DlgSelZoom]="Select and Zoom" [DlgMusStave]="Music Staves" [DlgMusTree]="Music Parts"
    [DlgEditName]="Edit Name")
declare -A place=([DlgSelZoom]="1040 40" [DlgMusStave]="620 200" [DlgMusTree]="30 480" [DlgEditName]="700 90")
desktop_project "$project" Normal "DlgSelZoom ${place[DlgSelZoom]}" "DlgMusStave ${place[DlgMusStave]}" \
    "DlgMusTree ${place[DlgMusTree]} 602 400" "DlgEditName ${place[DlgEditName]} 300" \
    "Music $DESKTOP_WORK/staves.qbm"

desktop_run "$project"
for dialog in "${!place[@]}"; do
    desktop_expect_corner "${title[$dialog]}" "${place[$dialog]}" "opened from the project"
done

# Placed by hand: the window manager moves the frame.
desktop_drag_title "Edit Name" 130 70
place[DlgEditName]=$(desktop_corner "Edit Name")

for round in 1 2; do
    desktop_exit
    [[ "$DESKTOP_STATUS" == 0 ]] || desktop_fail "the program ended with $DESKTOP_STATUS"
    for dialog in "${!place[@]}"; do
        saved=$(desktop_saved_place "$project" "$dialog")
        [[ "$saved" == "${place[$dialog]}" ]] ||
            desktop_fail "save $round keeps $dialog at \"$saved\", its frame stood at ${place[$dialog]}"
    done
    desktop_run "$project"
    for dialog in "${!place[@]}"; do
        desktop_expect_corner "${title[$dialog]}" "${place[$dialog]}" "reopened after save $round"
    done
done
desktop_exit
