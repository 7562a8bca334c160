# Sourced by the desktop tests: a private X server (Xvfb) with the openbox
# window manager, the program started on it and driven by keys and the mouse,
# and what the window manager shows read back (frames, work area). Every step
# waits for its effect before the next. Everything started here goes when the
# test ends, however it ends.
#
# The test's arguments: the program, and the pointer probe (desktop_pointer_held,
# built with the program; by default beside the program's tests).
set -euo pipefail

DESKTOP_PROGRAM=${1:?the program to test}
DESKTOP_PROBE=${2:-$(dirname "$DESKTOP_PROGRAM")/tests/desktop_pointer_held}
DESKTOP_HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# Any single wait: generous, for a sanitized program on a loaded machine.
DESKTOP_BOUND=${DESKTOP_BOUND:-60}
# All the waits of one test together (CTest's limit is above it).
DESKTOP_LIMIT=${DESKTOP_LIMIT:-540}
# How long a reading must stay the same to count: a late move shows in it.
DESKTOP_HOLD=${DESKTOP_HOLD:-0.5}
DESKTOP_WORK=${DESKTOP_WORK:-}
DESKTOP_XVFB=
DESKTOP_WM=
DESKTOP_PID=
DESKTOP_STATUS=

# desktop_supervise SCRIPT ARGUMENTS...: runs the test in a session of its
# own and ends with its status. A test that overruns its time, or whose runner
# stops it, is ended whole, every process it started and its work folder. A
# runner that kills this shell outright still takes the test with it: the test
# and what it starts die with their parent, and a work folder left behind is
# cleared by the next test that starts.
desktop_supervise()
{
    local script=$1 child timer done status=0
    shift
    desktop_clear_stale
    DESKTOP_WORK=$(mktemp -d "${TMPDIR:-/tmp}/quarbel-desktop.XXXXXX")
    echo $$ >"$DESKTOP_WORK/owner"
    DESKTOP_SUPERVISED=1 DESKTOP_WORK=$DESKTOP_WORK DESKTOP_LIMIT=$DESKTOP_LIMIT \
        setpriv --pdeathsig TERM setsid bash "$script" "$@" &
    child=$!
    trap 'kill "$timer" 2>/dev/null; desktop_end_session "$child"; exit 1' INT TERM HUP
    # The test's own bound on its waits ends it first; this one only ends a
    # step that hangs outside them.
    setpriv --pdeathsig KILL sleep $((DESKTOP_LIMIT + 30)) &
    timer=$!
    wait -n -p done "$child" "$timer" || status=$?
    if [[ "$done" != "$child" ]]; then
        echo "FAILED: the test did not end within $((DESKTOP_LIMIT + 30)) s" >&2
        desktop_end_session "$child"
        exit 1
    fi
    kill "$timer" 2>/dev/null || true
    rm -rf "$DESKTOP_WORK"
    exit "$status"
}

# desktop_end_session PID: ends the test's session: asked first, so that it
# ends what it started itself, then every process left in it.
desktop_end_session()
{
    local n
    kill -TERM -- "-$1" 2>/dev/null || true
    for ((n = 0; n < 100; ++n)); do
        kill -0 -- "-$1" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL -- "-$1" 2>/dev/null || true
    rm -rf "$DESKTOP_WORK"
}

# desktop_clear_stale: removes the work folders of tests whose runner is gone.
desktop_clear_stale()
{
    local dir owner
    for dir in "${TMPDIR:-/tmp}"/quarbel-desktop.*; do
        [[ -f "$dir/owner" ]] || continue
        owner=$(<"$dir/owner") || continue
        kill -0 "$owner" 2>/dev/null || rm -rf "$dir"
    done
}

if [[ -z "${DESKTOP_SUPERVISED:-}" ]]; then
    desktop_supervise "$0" "$@"
fi
DESKTOP_DEADLINE=$((SECONDS + DESKTOP_LIMIT))

desktop_fail()
{
    echo "FAILED: $*" >&2
    if ((SECONDS >= DESKTOP_DEADLINE)); then
        echo "(The test's waits reached their limit of $DESKTOP_LIMIT s together.)" >&2
    fi
    if [[ -n "$DESKTOP_PID" && -n "${DISPLAY:-}" ]]; then
        echo "The program's windows (frame: left top width height):" >&2
        local id
        for id in $(xdotool search --all --onlyvisible --pid "$DESKTOP_PID" --name '.' 2>/dev/null); do
            echo "  \"$(xdotool getwindowname "$id")\": $(desktop_frame_of "$id")" >&2
        done
    fi
    if [[ -s "$DESKTOP_WORK/program.log" ]]; then
        echo "The program's last messages:" >&2
        tail -n 40 "$DESKTOP_WORK/program.log" >&2
    fi
    exit 1
}

desktop_end()
{
    local pid
    for pid in "$DESKTOP_PID" "$DESKTOP_WM" "$DESKTOP_XVFB"; do
        if [[ -n "$pid" ]]; then
            kill "$pid" 2>/dev/null || true
            # A window manager held by a test takes the signal once let go.
            kill -CONT "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    if [[ -n "$DESKTOP_WORK" ]]; then
        rm -rf "$DESKTOP_WORK"
    fi
}
trap desktop_end EXIT
trap 'exit 1' INT TERM HUP

# desktop_poll SECONDS COMMAND...: runs the command until it succeeds; false
# when it has not within that many seconds, or when the test's time is up.
desktop_poll()
{
    local bound=$1
    shift
    local until=$((SECONDS + bound))
    ((until <= DESKTOP_DEADLINE)) || until=$DESKTOP_DEADLINE
    until "$@"; do
        ((SECONDS < until)) || return 1
        sleep 0.1
    done
}

# desktop_poll_holds SECONDS COMMAND...: as desktop_poll, and the command must
# succeed again DESKTOP_HOLD seconds later: a window that gets there and is
# moved on by a late placing has not got there.
desktop_poll_holds()
{
    local bound=$1
    shift
    desktop_poll "$bound" desktop_holds "$@"
}

desktop_holds()
{
    "$@" || return 1
    sleep "$DESKTOP_HOLD"
    "$@"
}

desktop_need()
{
    local tool
    for tool in Xvfb openbox xdotool xwininfo xprop setpriv setsid; do
        command -v "$tool" >/dev/null || desktop_fail "$tool is missing: install the packages of packages.txt"
    done
    [[ -x "$DESKTOP_PROBE" ]] || desktop_fail "no pointer probe $DESKTOP_PROBE: build the program's target"
}

# desktop_start [BOTTOM]: a screen of 1600 x 1000 whose work area leaves
# BOTTOM pixels free at its bottom edge (a desktop panel would), openbox on it.
desktop_start()
{
    local bottom=${1:-0}
    desktop_need
    [[ -n "$DESKTOP_WORK" ]] || DESKTOP_WORK=$(mktemp -d "${TMPDIR:-/tmp}/quarbel-desktop.XXXXXX")
    desktop_own_environment
    # The server picks a free display and writes its number.
    exec {display_fd}>"$DESKTOP_WORK/display"
    setpriv --pdeathsig KILL Xvfb -displayfd "$display_fd" -screen 0 1600x1000x24 -nolisten tcp -noreset \
        >"$DESKTOP_WORK/xvfb.log" 2>&1 &
    DESKTOP_XVFB=$!
    exec {display_fd}>&-
    desktop_poll "$DESKTOP_BOUND" test -s "$DESKTOP_WORK/display" || desktop_fail "Xvfb did not start"
    export DISPLAY=:$(head -n 1 "$DESKTOP_WORK/display")
    sed "s/@BOTTOM@/$bottom/" "$DESKTOP_HERE/openbox-rc.xml" >"$DESKTOP_WORK/rc.xml"
    setpriv --pdeathsig KILL openbox --sm-disable --config-file "$DESKTOP_WORK/rc.xml" \
        >"$DESKTOP_WORK/openbox.log" 2>&1 &
    DESKTOP_WM=$!
    desktop_poll "$DESKTOP_BOUND" desktop_wm_ready || desktop_fail "openbox did not start"
    # The sanitized program's end reports leaks; Qt's platform libraries keep
    # a few allocations until exit, which are not ours.
    if [[ "${LSAN_OPTIONS:-}" != *suppressions=* ]]; then
        export LSAN_OPTIONS="suppressions=$DESKTOP_HERE/../../tools/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
    fi
}

# desktop_own_environment: openbox and the program see the test's own home,
# XDG folders, locale and sound, and none of the settings that change the
# program's geometry (scaling, font resolution, the desktop's Qt theme).
desktop_own_environment()
{
    mkdir -p "$DESKTOP_WORK/home" "$DESKTOP_WORK/runtime"
    chmod 700 "$DESKTOP_WORK/runtime"
    export HOME=$DESKTOP_WORK/home
    export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
    export XDG_STATE_HOME=$HOME/.local/state XDG_RUNTIME_DIR=$DESKTOP_WORK/runtime
    export XDG_CONFIG_DIRS=/etc/xdg XDG_DATA_DIRS=/usr/local/share:/usr/share
    unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI QT_QPA_PLATFORMTHEME QT_AUTO_SCREEN_SCALE_FACTOR
    unset QT_ENABLE_HIGHDPI_SCALING QT_SCALE_FACTOR_ROUNDING_POLICY QT_USE_PHYSICAL_DPI QT_STYLE_OVERRIDE
    unset XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
    unset XAUTHORITY SESSION_MANAGER LANGUAGE
    export LC_ALL=C.UTF-8
    # No session bus: the program finds none rather than the caller's, and
    # starts none that would outlive the test.
    export DBUS_SESSION_BUS_ADDRESS=unix:path=$DESKTOP_WORK/runtime/no-bus
    export QT_QPA_PLATFORM=xcb
    # Sound of the test's own, whatever the machine's sound packages are.
    export ALSA_CONFIG_PATH=$DESKTOP_HERE/alsa.conf
    export JACK_NO_START_SERVER=1
}

desktop_wm_ready()
{
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' &&
        xprop -root _NET_WORKAREA 2>/dev/null | grep -q '='
}

# desktop_run ARGUMENTS...: starts the program, its messages in the work
# folder, and waits for its main window.
desktop_run()
{
    desktop_launch "$@"
    desktop_poll "$DESKTOP_BOUND" desktop_window_shown "Quarbel 9.1*" ||
        desktop_fail "the main window did not show"
}

desktop_launch()
{
    DESKTOP_STATUS=
    setpriv --pdeathsig KILL "$DESKTOP_PROGRAM" "$@" >>"$DESKTOP_WORK/program.log" 2>&1 &
    DESKTOP_PID=$!
}

# desktop_run_with_slow_wm ARGUMENTS...: starts the program while the window
# manager is held, as a busy one would be, until the program has made its
# main window; then lets the window manager go on.
desktop_run_with_slow_wm()
{
    kill -STOP "$DESKTOP_WM"
    desktop_launch "$@"
    desktop_poll "$DESKTOP_BOUND" desktop_window_made "Quarbel 9.1*" || {
        kill -CONT "$DESKTOP_WM"
        desktop_fail "the main window was not made"
    }
    kill -CONT "$DESKTOP_WM"
    desktop_poll "$DESKTOP_BOUND" desktop_window_shown "Quarbel 9.1*" ||
        desktop_fail "the main window did not show"
}

desktop_window_made()
{
    local id
    for id in $(xdotool search --all --pid "$DESKTOP_PID" --name '.' 2>/dev/null); do
        # shellcheck disable=SC2053
        [[ "$(xdotool getwindowname "$id" 2>/dev/null)" == $1 ]] && return 0
    done
    return 1
}

# desktop_ended: true once the program has ended; its exit status is then in
# DESKTOP_STATUS.
desktop_ended()
{
    [[ -z "$DESKTOP_PID" ]] && return 0
    kill -0 "$DESKTOP_PID" 2>/dev/null && return 1
    DESKTOP_STATUS=0
    wait "$DESKTOP_PID" || DESKTOP_STATUS=$?
    DESKTOP_PID=
}

# desktop_window TITLE: the id of the program's shown top-level window of that
# title (a shell pattern); nothing when there is none.
desktop_window()
{
    local id name
    [[ -n "$DESKTOP_PID" ]] || return 0
    for id in $(xdotool search --all --onlyvisible --pid "$DESKTOP_PID" --name '.' 2>/dev/null); do
        name=$(xdotool getwindowname "$id" 2>/dev/null) || continue
        # shellcheck disable=SC2053
        if [[ "$name" == $1 ]]; then
            echo "$id"
            return 0
        fi
    done
}

desktop_window_shown()
{
    local id
    id=$(desktop_window "$1")
    [[ -n "$id" ]] && xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# desktop_frame TITLE: "left top width height" of the window's frame as the
# window manager drew it; nothing while the window is not framed.
desktop_frame()
{
    local id
    id=$(desktop_window "$1")
    [[ -z "$id" ]] || desktop_frame_of "$id"
}

desktop_frame_of()
{
    local extents
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ',')
    [[ -n "$extents" ]] || return 0
    xwininfo -id "$1" 2>/dev/null | awk -v e="$extents" '
        BEGIN { split(e, m, " ") }
        /Absolute upper-left X:/ { x = $4 }
        /Absolute upper-left Y:/ { y = $4 }
        /^ *Width:/ { w = $2 }
        /^ *Height:/ { h = $2 }
        END { if (w) print x - m[1], y - m[3], w + m[1] + m[2], h + m[3] + m[4] }'
}

# desktop_workarea: "left top width height" of the screen's work area.
desktop_workarea()
{
    xprop -root _NET_WORKAREA | sed -n 's/.*= *//p' | tr -d ',' | awk '{ print $1, $2, $3, $4 }'
}

# desktop_keys TITLE KEYS...: gives the window the focus and types the keys
# (xdotool's names: alt+f, ctrl+shift+d, F1, ...).
desktop_keys()
{
    local title=$1 id
    shift
    desktop_poll "$DESKTOP_BOUND" desktop_window_shown "$title" || desktop_fail "no window \"$title\" to type into"
    id=$(desktop_window "$title")
    desktop_poll "$DESKTOP_BOUND" desktop_focus "$id" || desktop_fail "\"$title\" did not take the focus"
    local key
    for key in "$@"; do
        xdotool key --clearmodifiers "$key"
    done
}

desktop_focus()
{
    xdotool windowactivate "$1" 2>/dev/null
    [[ "$(xdotool getactivewindow 2>/dev/null)" == "$1" ]]
}

# desktop_file_menu ITEM: a click on File, the menu bar's first entry, and
# once the menu is open the item's key. (Alt+F is a key of its own in a wave
# window.)
desktop_file_menu()
{
    local id client
    desktop_poll "$DESKTOP_BOUND" desktop_window_shown "Quarbel 9.1*" || desktop_fail "no main window"
    id=$(desktop_window "Quarbel 9.1*")
    desktop_poll "$DESKTOP_BOUND" desktop_focus "$id" || desktop_fail "the main window did not take the focus"
    read -r -a client <<<"$(xwininfo -id "$id" | awk '/Absolute upper-left [XY]:/ { printf "%s ", $4 }')"
    desktop_point_at "$id" $((client[0] + 16)) $((client[1] + 10)) "the main window's File menu"
    xdotool click 1
    desktop_poll "$DESKTOP_BOUND" desktop_menu_open || desktop_fail "a click on File opened no menu"
    xdotool key --clearmodifiers "$1"
}

desktop_menu_open()
{
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$DESKTOP_PID" --class '.' 2>/dev/null); do
        xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q '_MENU' && return 0
    done
    return 1
}

# desktop_exit: File > Exit, and the program's end.
desktop_exit()
{
    desktop_file_menu x
    desktop_poll "$DESKTOP_BOUND" desktop_ended || desktop_fail "File > Exit did not end the program"
}

# desktop_saved_place FILE ELEMENT: "Left Top" of a dialog's element in a saved project.
desktop_saved_place()
{
    sed -n "/<$2>/,/<\/$2>/p" "$1" | sed -n 's/.*<\(Left\|Top\)>\(-\?[0-9]*\)<.*/\2/p' | paste -sd ' '
}

# desktop_corner TITLE: "left top" of the window's frame.
desktop_corner()
{
    desktop_frame "$1" | awk '{ print $1, $2 }'
}

# desktop_corner_is TITLE "LEFT TOP": whether the window's frame has that corner.
desktop_corner_is()
{
    [[ "$(desktop_corner "$1")" == "$2" ]]
}

# desktop_expect_corner TITLE "LEFT TOP" WHAT: waits for the window's frame to
# stand there; fails saying WHAT otherwise.
desktop_expect_corner()
{
    desktop_poll_holds "$DESKTOP_BOUND" desktop_corner_is "$1" "$2" ||
        desktop_fail "$3: \"$1\" has its frame's corner at $(desktop_corner "$1"), not at $2"
}

# desktop_settle TITLE: waits for the window's frame to stay where it is (the
# same reading again a while later); read it with desktop_frame afterwards.
desktop_settle()
{
    desktop_poll "$DESKTOP_BOUND" desktop_frame_holds "$1" ||
        desktop_fail "\"$1\" does not stay in one place: its frame is at $(desktop_frame "$1")"
}

desktop_frame_holds()
{
    local first
    first=$(desktop_frame "$1")
    [[ -n "$first" ]] || return 1
    sleep "$DESKTOP_HOLD"
    [[ "$(desktop_frame "$1")" == "$first" ]]
}

# desktop_point_at ID X Y WHAT: moves the mouse there and waits until the
# window under it is the window ID (a window above it would take the click).
desktop_point_at()
{
    xdotool mousemove "$2" "$3"
    desktop_poll "$DESKTOP_BOUND" desktop_under_pointer "$1" ||
        desktop_fail "$4 at $2 $3 is not under the mouse: $(xdotool getmouselocation --shell | paste -sd ' ')"
}

desktop_under_pointer()
{
    local under
    under=$(xdotool getmouselocation --shell 2>/dev/null | sed -n 's/^WINDOW=//p')
    [[ -n "$under" && "$(desktop_toplevel "$under")" == "$(desktop_toplevel "$1")" ]]
}

# desktop_toplevel ID: the window on the root that holds window ID (its frame
# for a framed window), as a decimal number.
desktop_toplevel()
{
    local id=$(($1)) tree parent root
    while tree=$(xwininfo -children -id "$id" 2>/dev/null); do
        root=$(sed -n 's/^ *Root window id: \(0x[0-9a-f]*\).*/\1/p' <<<"$tree")
        parent=$(sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p' <<<"$tree")
        [[ -n "$root" && -n "$parent" ]] || return 0
        if ((parent == root)); then
            echo "$id"
            return 0
        fi
        id=$((parent))
    done
}

# desktop_pointer_held: whether a press is being held by the window it went
# to, or a drag by the window manager; desktop_pointer_free: neither.
desktop_pointer_held()
{
    "$DESKTOP_PROBE"
}

desktop_pointer_free()
{
    local status=0
    "$DESKTOP_PROBE" || status=$?
    ((status == 1))
}

# desktop_music FILE: a music of one empty stave.
desktop_music()
{
    cat >"$1" <<'MUSIC'
<?xml version="1.0" encoding="ISO-8859-1"?>
<!DOCTYPE UnitMuz_v9_1 SYSTEM "UnitMuz_v9_1.dtd">

<UnitMuz>
  <Version>9.1</Version>
  <View>
    <Left>0</Left>
    <Top>0</Top>
  </View>
  <Tempo>1 s</Tempo>
  <SingleMuzPart>
    <Bar>
      <Count>4</Count>
      <Length>4</Length>
    </Bar>
    <PartNode>
      <EnablePlayAndDraw />
    </PartNode>
  </SingleMuzPart>
  <Stave>
    <RoomUp>80</RoomUp>
    <RoomDown>80</RoomDown>
    <AllowJoinFlags />
    <Selected />
    <EnablePlayAndDraw />
    <ForegroundColor>000000</ForegroundColor>
    <BackgroundColor>FFFFFF</BackgroundColor>
    <KeyPart>
      <Key>
        <Position>0</Position>
        <KeyKind>G</KeyKind>
        <Selected />
      </Key>
    </KeyPart>
    <NoteGroup>
      <NoteColor>000000</NoteColor>
      <NoteShapeNormal />
      <NoteStickUp />
      <Selected />
      <EnablePlay />
      <FreqFactor>100 %</FreqFactor>
      <VolumeFactor>100 %</VolumeFactor>
      <NotePart />
    </NoteGroup>
  </Stave>
</UnitMuz>
MUSIC
}

# desktop_wave FILE: a second of mono 16-bit silence at 8000 Hz.
desktop_wave()
{
    {
        printf 'RIFF\xa4\x3e\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00\x40\x1f\x00\x00\x80\x3e\x00\x00'
        printf '\x02\x00\x10\x00data\x80\x3e\x00\x00'
        head -c 16000 /dev/zero
    } >"$1"
}

# desktop_project FILE STATE ITEM...: a project whose main window is Normal
# (1000 x 700 at 40, 30) or Maximized; each ITEM a shown dialog with its
# numbers ("DlgEditName LEFT TOP WIDTH", "DlgMusTree LEFT TOP WIDTH HEIGHT")
# or a document window ("Music FILE", "Wave FILE"), the last one active.
desktop_project()
{
    local file=$1 state=$2 item words names=(Left Top Width Height) n
    shift 2
    {
        printf '<?xml version="1.0" encoding="ISO-8859-1"?>\n'
        printf '<!DOCTYPE Project_v9_1 SYSTEM "Project_v9_1.dtd">\n\n<Project>\n  <Version>9.1</Version>\n'
        printf '  <Frame>\n    <Left>40</Left>\n    <Top>30</Top>\n    <Width>1000</Width>\n'
        printf '    <Height>700</Height>\n    <%s />\n  </Frame>\n  <ModelessDialogs>\n' "$state"
        for item in "$@"; do
            read -r -a words <<<"$item"
            [[ "${words[0]}" == Dlg* ]] || continue
            printf '    <%s>\n' "${words[0]}"
            for ((n = 1; n < ${#words[@]}; ++n)); do
                printf '      <%s>%s</%s>\n' "${names[n - 1]}" "${words[n]}" "${names[n - 1]}"
            done
            printf '    </%s>\n' "${words[0]}"
        done
        printf '  </ModelessDialogs>\n'
        for item in "$@"; do
            read -r -a words <<<"$item"
            [[ "${words[0]}" == Dlg* ]] && continue
            printf '  <Window>\n    <%s>\n      <File>%s</File>\n    </%s>\n' "${words[0]}" "${words[1]}" "${words[0]}"
            printf '    <Left>0</Left>\n    <Top>0</Top>\n    <Width>600</Width>\n    <Height>300</Height>\n'
            printf '    <Normal />\n  </Window>\n'
        done
        printf '</Project>\n'
    } >"$file"
}

# desktop_drag_title TITLE DX DY: drags the window by its title bar with the
# mouse, as far as DX and DY, each step once the last has taken effect: the
# press taken on the title bar, the frame moved there by the window manager,
# the button let go and the frame staying there.
desktop_drag_title()
{
    local frame id to
    desktop_settle "$1"
    read -r -a frame <<<"$(desktop_frame "$1")"
    ((${#frame[@]} == 4)) || desktop_fail "no frame of \"$1\" to drag"
    id=$(desktop_window "$1")
    to="$((frame[0] + $2)) $((frame[1] + $3))"
    desktop_poll "$DESKTOP_BOUND" desktop_pointer_free || desktop_fail "the mouse is held before dragging \"$1\""
    # Near the left end of the title bar, past the window's icon.
    local x=$((frame[0] + 40)) y=$((frame[1] + 6))
    desktop_point_at "$id" "$x" "$y" "the title bar of \"$1\""
    xdotool mousedown 1
    desktop_poll "$DESKTOP_BOUND" desktop_pointer_held || desktop_fail "the press on the title bar of \"$1\" was not taken"
    # openbox starts its move on one motion and moves the frame on a later one;
    # a busy openbox takes motions queued together as one. So the mouse goes on
    # moving onto its end until the frame is seen there.
    desktop_poll "$DESKTOP_BOUND" desktop_held_move_ends "$1" $((x + $2)) $((y + $3)) "$to" ||
        desktop_fail "the window manager did not drag \"$1\": its frame's corner is at $(desktop_corner "$1"), not at $to"
    xdotool mouseup 1
    desktop_poll "$DESKTOP_BOUND" desktop_pointer_free || desktop_fail "the window manager did not end the drag of \"$1\""
    desktop_expect_corner "$1" "$to" "dragged by its title bar"
}

# desktop_held_move_ends TITLE X Y "LEFT TOP": moves the held mouse a pixel
# short of X Y and onto it; whether the window's frame then stands at LEFT TOP.
desktop_held_move_ends()
{
    xdotool mousemove "$(($2 - 1))" "$3"
    xdotool mousemove "$2" "$3"
    desktop_corner_is "$1" "$4"
}

# desktop_framed TITLE: whether the window is shown in its frame.
desktop_framed()
{
    desktop_window_shown "$1" && [[ -n "$(desktop_frame "$1")" ]]
}

# Added for the tests of placing: desktop_client_message TO WINDOW TYPE DATA...
# sends an X client message about WINDOW, of TYPE (an atom's name) with up to
# five numbers or atom names, straight over the X connection: to the window
# itself (TO "window", as a session asks a window to close) or to the window
# manager (TO "root", as a pager asks for a state). It works while the window
# manager is held, and has gone out when it returns.
desktop_client_message()
{
    local to=$1 window=$2 root
    shift 2
    root=$(xwininfo -root | awk '/Window id:/ { print $4 }')
    perl -MSocket -e '
        my ($display, $to, $window, $type, @data) = @ARGV;
        $display =~ /^:(\d+)/ or die "display $display\n";
        socket(my $x, AF_UNIX, SOCK_STREAM, 0) or die "socket: $!\n";
        connect($x, pack_sockaddr_un("/tmp/.X11-unix/X$1")) or die "connect: $!\n";
        binmode $x;
        sub take { my ($n) = @_; my $all = ""; while (length($all) < $n) {
            my $got = sysread($x, my $part, $n - length($all)); die "X closed\n" unless $got; $all .= $part; } $all }
        syswrite($x, pack("CxSSSSxx", 0x6C, 11, 0, 0, 0));
        my $setup = take(8);
        die "X refused the connection\n" unless unpack("C", $setup) == 1;
        take(4 * unpack("x6S", $setup));
        sub atom { my ($name) = @_; my $n = length($name); my $pad = (4 - $n % 4) % 4;
            syswrite($x, pack("CCSSxx", 16, 0, 2 + ($n + $pad) / 4, $n) . $name . ("\0" x $pad));
            while (1) { my $reply = take(32); my $kind = unpack("C", $reply);
                die "X error asking for $name\n" if $kind == 0; return unpack("x8L", $reply) if $kind == 1; } }
        my @words = map { /^\d+$/ ? $_ : atom($_) } @data;
        push @words, 0 while @words < 5;
        # To the window manager: SubstructureRedirect and SubstructureNotify.
        my ($destination, $mask) = $to =~ /^0x/ ? (hex($to), 0x180000) : ($window, 0);
        syswrite($x, pack("CCSLL", 25, 0, 11, $destination, $mask) .
            pack("CCSLLLLLLL", 33, 32, 0, $window, atom($type), @words[0 .. 4]));
        atom($type); # a round trip: the message has gone
    ' "$DISPLAY" "$([[ "$to" == root ]] && echo "$root" || echo window)" "$window" "$@"
}
