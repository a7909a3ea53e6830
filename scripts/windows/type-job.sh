#!/usr/bin/env bash
# Types the four-cylinder Honda job of the expected English report (tests/core/report/data) into a
# running Kelvane with the keyboard alone, the way a user would, and saves the report: used to hold the
# Windows program's report against the Debian program's. DISPLAY names the X display the program is on.
# Valve 1's shim is given by its thickness, the others by number (typed: the boxes jump to it).
set -euo pipefail

keys() { xdotool key --delay 40 "$@"; sleep 0.2; }
type_text() { xdotool type --delay 40 "$1"; sleep 0.2; }

# The main window's title is the same in both languages; wait for it and give it the keyboard.
window=
for _ in $(seq 150); do
  window=$(xdotool search --name '^Kelvane v1\.3$' 2>/dev/null | head -n1) && [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "type-job: no Kelvane window appeared" >&2; exit 1; }
sleep 2
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
sleep 0.5

clearances=(027 020 005 010 030 018 025 015 010 033 004 016 028 021 022 015)
shims=(122 120 130 125 120 130 195 150 135 200 210 140 120 220 125 160)

keys ctrl+l                         # English
keys ctrl+a; type_text 020          # nominal exhaust clearance, as it stands
keys Tab Tab Tab Tab Tab Tab Tab Tab Tab # the rest of the settings, to valve 1's clearance
for cylinder in 0 1 2 3; do
  for half in 0 2; do
    first=$((4 * cylinder + half))
    for valve in $first $((first + 1)); do
      keys ctrl+a; type_text "${clearances[$valve]}"; keys Tab
    done
    for valve in $first $((first + 1)); do
      if [ "$valve" -eq 0 ]; then
        keys Up Tab                 # the blank entry, and Tab to the thickness field
        keys ctrl+a; type_text 1225
      else
        type_text "${shims[$valve]}"
      fi
      keys Tab
    done
  done
done
keys Return                         # recalculate (the focus is on the "Recalculate" button by now)
keys Tab Return                     # "Make shim selection"
sleep 2
results=$(xdotool search --name '^Shim interchange and placement$' 2>/dev/null | head -n1 || true)
[ -n "$results" ] && xdotool windowfocus "$results" 2>/dev/null || true
sleep 0.5
keys Tab Tab Tab                    # past both lists to "Save results to file"
keys Return
sleep 2
