#!/usr/bin/env bash
# File > Exit ends the program while its help window, opened with F1, is
# still open; every window of the program goes with it.
source "$(dirname "$0")/desktop_session.sh"

desktop_start
desktop_run
desktop_keys "Quarbel 9.1*" F1
desktop_poll "$DESKTOP_BOUND" desktop_framed "Quarbel Help" || desktop_fail "F1 showed no help"
desktop_exit
[[ "$DESKTOP_STATUS" == 0 ]] || desktop_fail "the program ended with $DESKTOP_STATUS"
