#!/usr/bin/env bash
# The Edit Name box is shown at start, as the main window's tool window: in
# every start it is on the screen in its frame, above the main window, inside
# the work area, at the same place beside the main window; every other start
# meets a window manager slow to answer, as on a busy machine. (Shown before
# the main window and shown again once that was up, the box was at times
# missing, or over the tool bars.)
source "$(dirname "$0")/desktop_session.sh"

STARTS=${STARTS:-8}

# above TOP BOTTOM: whether window TOP is stacked above window BOTTOM.
above()
{
    local id n=0 top=0 bottom=0
    for id in $(xprop -root _NET_CLIENT_LIST_STACKING | sed -n 's/.*# //p' | tr -d ','); do
        n=$((n + 1))
        (($(printf '%d' "$id") == $1)) && top=$n
        (($(printf '%d' "$id") == $2)) && bottom=$n
    done
    ((bottom > 0 && top > bottom))
}

desktop_start
read -r -a area <<<"$(desktop_workarea)"
first=
for ((start = 1; start <= STARTS; ++start)); do
    if ((start % 2)); then
        desktop_run
    else
        desktop_run_with_slow_wm
    fi
    desktop_poll "$DESKTOP_BOUND" desktop_framed "Edit Name" || desktop_fail "start $start: no Edit Name box"
    above "$(desktop_window "Edit Name")" "$(desktop_window "Quarbel 9.1*")" ||
        desktop_fail "start $start: the Edit Name box is below the main window"
    desktop_settle "Edit Name"
    desktop_settle "Quarbel 9.1*"
    read -r -a box <<<"$(desktop_frame "Edit Name")"
    read -r -a main <<<"$(desktop_frame "Quarbel 9.1*")"
    ((box[0] >= area[0] && box[1] >= area[1] && box[0] + box[2] <= area[0] + area[2] &&
        box[1] + box[3] <= area[1] + area[3])) || desktop_fail "start $start: the box ${box[*]} is not inside the work area"
    beside="$((box[0] - main[0])) $((box[1] - main[1]))"
    [[ -n "$first" ]] || first=$beside
    [[ "$beside" == "$first" ]] ||
        desktop_fail "start $start: the box stands at $beside from the main window's corner, in the first start at $first"
    desktop_exit
    [[ "$DESKTOP_STATUS" == 0 ]] || desktop_fail "start $start: the program ended with $DESKTOP_STATUS"
done
