#!/usr/bin/env bash
# End-to-end walk through the real program as a user works with it: its own Xvfb (-noreset,
# so the keymap set here survives setxkbmap's disconnect), openbox as the window manager (it
# gives the window its close action), the layouts "us,ru", and only real X input at the
# window's own coordinates. Results are read as a user reads them: click a box, select all,
# copy, read the clipboard.
#
#   tests/e2e/run_e2e.sh path/to/tamrik path/to/tamrik_xkb_layout
#
# Prints one line per check and "E2E PASSED" or "E2E FAILED"; the exit code says the same.
# On a failure a screenshot is left in $E2E_ARTIFACTS (default: a temporary folder); with
# E2E_ARTIFACTS set, screenshots of the main steps are left there too.
set -uo pipefail

tamrik=$(realpath "$1")
xkb_layout=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d /tmp/tamrik-e2e.XXXXXX)
artifacts=${E2E_ARTIFACTS:-$work}

pids=()
tamrik_pid=""
cleanup() {
    [[ -n $tamrik_pid ]] && kill "$tamrik_pid" 2>/dev/null
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
    wait 2>/dev/null
    [[ $artifacts == "$work" && ${keep_work:-0} == 1 ]] || rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL - $*"
    if command -v import >/dev/null; then
        import -window root "$artifacts/e2e-failure.png" 2>/dev/null &&
            echo "       screenshot: $artifacts/e2e-failure.png" && keep_work=1
    fi
    [[ -s $work/tamrik.log ]] && sed 's/^/       tamrik: /' "$work/tamrik.log" | tail -40
    echo "E2E FAILED"
    exit 1
}
ok() { echo "ok   - $*"; }
snapshot() { # name
    if [[ -n ${E2E_ARTIFACTS:-} ]] && command -v import >/dev/null; then
        import -window root "$E2E_ARTIFACTS/$1.png" 2>/dev/null
    fi
}

expect_eq() { # what, actual, expected
    if [[ $2 == "$3" ]]; then ok "$1: $(printf '%q' "$2")"; else
        fail "$1: got $(printf '%q' "$2"), expected $(printf '%q' "$3")"
    fi
}

# Polls a command until it succeeds; 0.05 s steps up to the given seconds.
wait_for() { # seconds, command...
    local tries=$(($1 * 20))
    shift
    for ((t = 0; t < tries; t++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    return 1
}

# --- the desktop ---------------------------------------------------------------------------
# -displayfd lets the server pick a free display number and report it once it accepts
# connections, so parallel runs never race for a number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
pids+=($!)
wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
ok "Xvfb on $DISPLAY"

setxkbmap -layout us,ru || fail "setxkbmap -layout us,ru"
# Russian active before the start, so English at start is the program's doing.
"$xkb_layout" lock 1
expect_eq "layout before start" "$("$xkb_layout")" ru

# The user's own openbox configuration must not change the walk.
XDG_CONFIG_HOME=$work XDG_CACHE_HOME=$work openbox --config-file "$here/openbox-rc.xml" \
    >"$work/openbox.log" 2>&1 &
pids+=($!)
wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    fail "openbox did not start"
ok "openbox manages the screen"

# --- clipboard and input helpers -----------------------------------------------------------
# The clipboard first gets a marker, so a copy that did not happen is never mistaken for one.
marker="tamrik-e2e-nothing-copied"
clipboard() { xclip -o -selection clipboard 2>/dev/null; }
clipboard_changed() { [[ $(clipboard) != "$marker" ]]; }

click() { # window, x, y: a left click at the window's own coordinates
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# Reads what a text box shows: click into it, select all, copy, read the clipboard.
read_box() { # window, x, y
    printf '%s' "$marker" | xclip -selection clipboard -i
    wait_for 2 test "$(clipboard)" = "$marker" || fail "cannot set the clipboard"
    click "$1" "$2" "$3"
    xdotool key --clearmodifiers ctrl+a ctrl+c
    wait_for 3 clipboard_changed || fail "nothing was copied from ($2, $3)"
    clipboard
}

# --- start ---------------------------------------------------------------------------------
export LANG=C.UTF-8 QT_QPA_PLATFORM=xcb
"$tamrik" >"$work/tamrik.log" 2>&1 &
tamrik_pid=$!
main=$(timeout 20 xdotool search --all --sync --onlyvisible --pid "$tamrik_pid" --name '^Form3$' |
    head -n1)
[[ -n $main ]] || fail "no visible window \"Form3\" within 20 s"
ok "main window \"Form3\" shown (window $main)"
xdotool windowactivate --sync "$main" || fail "cannot activate the main window"
expect_eq "layout at start" "$("$xkb_layout")" us

# Window coordinates of a control's centre: its parent's offset plus its own rectangle.
# Panel3 stands at (148, 200) in the client area.
centre() { # parent left, parent top, left, top, width, height
    echo $(($1 + $3 + $5 / 2)) $(($2 + $4 + $6 / 2))
}
declare -A box_at=(
    [Edit2]="$(centre 148 200 12 34 113 25)" [Edit6]="$(centre 148 200 127 34 50 25)"
    [Edit4]="$(centre 148 200 187 34 113 25)" [Edit8]="$(centre 148 200 302 34 50 25)"
    [Edit3]="$(centre 148 200 12 98 113 25)" [Edit7]="$(centre 148 200 127 98 50 25)"
    [Edit5]="$(centre 148 200 187 98 113 25)" [Edit9]="$(centre 148 200 302 98 50 25)"
)
read_code() { read_box "$main" ${box_at[$1]}; }

# --- code boxes at start -------------------------------------------------------------------
declare -A start_codes=(
    [Edit2]=0b00000000 [Edit6]=0x00 [Edit4]=0b00000000 [Edit8]=0x00
    [Edit3]=0b11111111 [Edit7]=0xFF [Edit5]=0b11111111 [Edit9]=0xFF
)
for box in Edit2 Edit6 Edit4 Edit8 Edit3 Edit7 Edit5 Edit9; do
    expect_eq "$box at start" "$(read_code "$box")" "${start_codes[$box]}"
done

# --- light B and C on the digit picture (Image1 at 7, 200) ---------------------------------
# Points well inside the hit rectangles of B (106-119, 18-82) and C (96-107, 93-159).
click "$main" $((7 + 112)) $((200 + 50))
click "$main" $((7 + 101)) $((200 + 126))
edit2_is() { [[ $(read_code Edit2) == "$1" ]]; }
wait_for 5 edit2_is 0b01100000 || fail "Edit2 never showed 0b01100000 after lighting B and C"
declare -A one_codes=(
    [Edit2]=0b01100000 [Edit6]=0x60 [Edit4]=0b00000110 [Edit8]=0x06
    [Edit3]=0b10011111 [Edit7]=0x9F [Edit5]=0b11111001 [Edit9]=0xF9
)
for box in Edit2 Edit6 Edit4 Edit8 Edit3 Edit7 Edit5 Edit9; do
    expect_eq "$box with B and C lit" "$(read_code "$box")" "${one_codes[$box]}"
done

# --- element picker: Button2 on Panel3, then the cathode strip's fourth field ---------------
memo3=$(centre 0 0 514 8 167 372)
click "$main" $(centre 148 200 48 129 105 32)
picker=$(timeout 10 xdotool search --all --sync --onlyvisible --pid "$tamrik_pid" \
    --name '^Добавление элемента в массив$' | head -n1)
[[ -n $picker ]] || fail "no picker window within 10 s of a click on Button2"
ok "picker shown (window $picker)"
# The cathode strip Image1 stands at (4, 25) on the picker; field 4 spans columns 221-246.
click "$picker" $((4 + 233)) $((25 + 18))
expect_eq "Memo3 after the cathode strip's fourth field" "$(read_box "$main" $memo3)" \
    "$(printf '%s\n' "flash char buf[ ] = {" "0x06       // 0" "};")"
snapshot picker

# --- number inverter (Panel1 at 7, 8) ------------------------------------------------------
edit1=$(centre 7 8 8 8 169 25)
button1=$(centre 7 8 47 39 90 25)
click "$main" $edit1
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 10100101
click "$main" $button1
expect_eq "Edit1 after inverting 10100101" "$(read_box "$main" $edit1)" 0b01011010
click "$main" $button1
expect_eq "Edit1 after a second press" "$(read_box "$main" $edit1)" 0b10100101

# --- array inverter (Panel2 at 198, 8) -----------------------------------------------------
memo1=$(centre 198 8 2 3 150 179)
memo2=$(centre 198 8 160 3 150 179)
# The picker covers most of Panel2: "Отмена" (at 92, 142 on the picker) hides it first.
click "$picker" $(centre 0 0 92 142 75 25)
picker_shown() { xdotool search --all --onlyvisible --pid "$tamrik_pid" | grep -qx "$picker"; }
for ((t = 0; t < 100; t++)); do picker_shown || break; sleep 0.05; done
picker_shown && fail "the picker is still shown after Отмена"
ok "Отмена hides the picker"

# A click into Memo1 empties it; an array then comes in by Ctrl+V from the clipboard: first
# one in binary that the user copied from elsewhere, then the one the picker built in Memo3.
printf '%s\n' "flash char buf[ ] = {" "0b00111111,      // 0" "0b00000110,      // 1" \
    "0b01011011       // 2" "};" | xclip -selection clipboard -i
click "$main" $memo1
xdotool key --clearmodifiers ctrl+v
expect_eq "Memo2 after pasting an array into Memo1" "$(read_box "$main" $memo2)" \
    "$(printf '%s\n' "flash char buf[ ] = {" "0b11000000,      // 0" "0b11111001,      // 1" \
        "0b10100100       // 2" "};" "" "Количество" "           элементов: 5")"

read_box "$main" $memo3 >/dev/null # select all, copy
click "$main" $memo1
xdotool key --clearmodifiers ctrl+v
expect_eq "Memo2 after pasting Memo3's array into Memo1" "$(read_box "$main" $memo2)" \
    "$(printf '%s\n' "flash char buf[ ] = {" "0x16       // 0" "};" "" "Количество" \
        "           элементов: 3")"
snapshot inverters

# --- About window, opened by the thumbnail Image2 on Panel3 --------------------------------
click "$main" $(centre 148 200 312 137 48 40)
about=$(timeout 10 xdotool search --all --sync --onlyvisible --pid "$tamrik_pid" \
    --name '^О программе\.\.\.$' | head -n1)
[[ -n $about ]] || fail "no About window within 10 s of a click on Image2"
ok "About window \"О программе...\" shown (window $about)"
snapshot about
expect_eq "About window size" \
    "$(xdotool getwindowgeometry "$about" | awk '/Geometry/ { print $2 }')" 262x396
click "$about" $(centre 0 0 93 364 75 25) # OK
about_shown() {
    xdotool search --all --onlyvisible --pid "$tamrik_pid" --name '^О программе' | grep -qx "$about"
}
for ((t = 0; t < 100; t++)); do about_shown || break; sleep 0.05; done
about_shown && fail "the About window is still shown after OK"
ok "OK hides the About window"

# --- close through the window manager ------------------------------------------------------
xdotool windowactivate --sync "$main" || fail "cannot activate the main window"
xdotool key --clearmodifiers alt+F4
for ((t = 0; t < 200; t++)); do
    kill -0 "$tamrik_pid" 2>/dev/null || break
    sleep 0.05
done
kill -0 "$tamrik_pid" 2>/dev/null && fail "the program still runs 10 s after Alt+F4"
wait "$tamrik_pid"
status=$?
tamrik_pid=""
expect_eq "exit code" "$status" 0
expect_eq "layout after close" "$("$xkb_layout")" ru

echo "E2E PASSED"
