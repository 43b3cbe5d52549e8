#!/usr/bin/env bash
# The end-to-end test: the real program on a virtual X server, driven through the
# accessibility bus (tests/e2e/drive.py). Builds first when needed.
set -euo pipefail
# The checks read the windows in French, whatever the machine's locale.
export LANGUAGE=fr
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
BUILD_DIR=build "$here/scripts/build.sh" >/dev/null
for attempt in 1 2; do
  # A virtual X server that fails to come up is retried once; a failing test is not.
  if xvfb-run -a -s "-screen 0 1280x1024x24" bash "$here/tests/e2e/run_e2e.sh" "$here/build" \
      >"$here/build/e2e.log" 2>&1; then
    tail -n 1 "$here/build/e2e.log"
    exit 0
  fi
  if ! grep -q "could not connect to display" "$here/build/e2e.log"; then
    break
  fi
  echo "the virtual X server did not answer; trying again"
done
cat "$here/build/e2e.log"
exit 1
