#!/usr/bin/env bash
# Pictures of every window under a real X server, at 100 % and 200 % scale,
# into screenshots/ (kept out of the repository). Not part of CI.
#   QE_LANGUAGES="en de es it"  instead: each language on a 1024 x 768 screen,
#                               into screenshots/LANG; cut texts are listed.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/build.sh" >/dev/null
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
if [ -n "${QE_LANGUAGES:-}" ]; then
  for language in $QE_LANGUAGES; do
    LANGUAGE=$language xvfb-run -a -s "-screen 0 1024x768x24" "$here/build/tools/screenshots" \
      "$here/screenshots/$language" | grep -e ': cut ' -e 'frame' || true
  done
  exit 0
fi
xvfb-run -a -s "-screen 0 1920x1200x24" "$here/build/tools/screenshots" "$here/screenshots/100"
QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 3840x2400x24" "$here/build/tools/screenshots" "$here/screenshots/200"
ls "$here/screenshots"/*/
