#!/usr/bin/env bash
# Opens element pickers with real clicks and hides each with its "Отмена", leaving that many
# hidden pickers whose timers keep ticking. Run by tamrik_x11_probe --before-idle on a display
# without a window manager, with the main window's id in $PROBE_WINDOW.
#   bench/open_hidden_pickers.sh COUNT
set -euo pipefail
count=$1
title='^Добавление элемента в массив$'
for ((i = 0; i < count; i++)); do
    # Button2 "Добавить в массив": Panel3 at (148, 200), the button at (48, 129), 105 x 32.
    xdotool mousemove --window "$PROBE_WINDOW" $((148 + 48 + 52)) $((200 + 129 + 16)) click 1
    picker=$(timeout 10 xdotool search --sync --onlyvisible --name "$title" | head -n1)
    [[ -n $picker ]] || { echo "picker $i did not open" >&2; exit 1; }
    # "Отмена" at (92, 142) on the picker, 75 x 25.
    xdotool mousemove --window "$picker" $((92 + 37)) $((142 + 12)) click 1
    for ((t = 0; t < 200; t++)); do
        xdotool search --onlyvisible --name "$title" | grep -qx "$picker" || break
        sleep 0.02
    done
done
