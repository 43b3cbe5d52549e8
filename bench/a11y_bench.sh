#!/usr/bin/env bash
# "Tri par call", "Tout sélectionner" and "Tri bureau" on a large log, timed while
# an Orca-like client listens on a real accessibility bus (X server from xvfb-run):
#   bash bench/a11y_bench.sh [BUILD_DIR [QSO_COUNT]] [--read-all]
# PROGRAM=path/to/quenor-etiquettes times another build of the program with the
# same log; --read-all makes the client read every row of a list on each event.
set -euo pipefail
# The client finds the controls by their French names, whatever the locale.
export LANGUAGE=fr
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -n $((200 + RANDOM % 500)) -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
here=$(cd "$(dirname "$0")/.." && pwd)
options=()
positional=()
for argument in "$@"; do
  case $argument in
    --*) options+=("$argument") ;;
    *) positional+=("$argument") ;;
  esac
done
build=$(cd "${positional[0]:-$here/build}" && pwd)
count=${positional[1]:-100000}
program=${PROGRAM:-$build/quenor-etiquettes}
work=$(mktemp -d)
trap 'kill ${program_pid:-} ${manager:-} ${launcher:-} ${DBUS_SESSION_BUS_PID:-} 2>/dev/null || true; rm -rf "$work"' EXIT

mkdir "$work/log"
"$build/bench/selection_bench" --generate "$count" "$work/log/bench.adi" >/dev/null

source "$here/tests/e2e/accessibility_bus.sh" "$work"
# A window manager, as on a desktop: it hands the keyboard to the new windows.
if command -v openbox >/dev/null; then
  openbox >/dev/null 2>&1 &
  manager=$!
  sleep 1
fi

"$program" >"$work/program.log" 2>&1 &
program_pid=$!
/usr/bin/python3 "$here/bench/a11y_bench.py" "$work/log/bench.adi" "$count" "${options[@]}"
