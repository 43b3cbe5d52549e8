#!/usr/bin/env bash
# The whole path driven as a person would, on a real X server through AT-SPI:
#   xvfb-run -a bash tests/e2e/run_e2e.sh BUILD_DIR
# E2E_WINDOW_MANAGER=openbox runs it under that window manager.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$here/build}
work=$(mktemp -d)
trap 'kill ${program:-} ${launcher:-} ${manager:-} ${DBUS_SESSION_BUS_PID:-} 2>/dev/null || true; cat "$work/program.log" >&2 2>/dev/null; rm -rf "$work"' EXIT

source "$here/tests/e2e/accessibility_bus.sh" "$work"

# Optionally under a window manager (E2E_WINDOW_MANAGER=openbox), where closing
# a dialog hands the keyboard to whichever window the manager picks.
if [ -n "${E2E_WINDOW_MANAGER:-}" ]; then
  "$E2E_WINDOW_MANAGER" >/dev/null 2>&1 &
  manager=$!
  sleep 1
fi

# A template for the cards, in the .qsl form the layout editor saves.
template="$work/carte.qsl"
printf '%s\r\n' "3             4" "20            20            14" "0             0             10" \
  "20            35            10" "50            35            10" "20            50            10" \
  "50            50            10" "70            50            10" " 0             0             10 " \
  " 0             0             10 " " 0             0             10 " "Indicatif" "" "Date" \
  "Heure" "Bande" "Mode" "RST" "" "" "" " 0 " " 0 " " 0 " > "$template"

"$build/quenor-etiquettes" >"$work/program.log" 2>&1 &
program=$!
/usr/bin/python3 "$here/tests/e2e/drive.py" "$here/tests/data/one_record_per_line.adi" \
  "$template" "$work"

pages() { pdfinfo "$1" | awk '/^Pages:/ {print $2}'; }
[ "$(pages "$work/labels.pdf")" = 1 ] || { echo "labels.pdf: $(pages "$work/labels.pdf") pages"; exit 1; }
text=$(pdftotext "$work/labels.pdf" -)
for call in DL1AA EA8ABC F9XQB; do
  grep -q "Pour $call" <<<"$text" || { echo "labels.pdf lacks $call"; exit 1; }
done
[ "$(pages "$work/cards.pdf")" = 3 ] || { echo "cards.pdf: $(pages "$work/cards.pdf") pages"; exit 1; }
grep -q "Indicatif DL1AA" <(pdftotext "$work/cards.pdf" -) || { echo "cards.pdf lacks DL1AA"; exit 1; }
echo "e2e: 1 passed, 0 failed"
