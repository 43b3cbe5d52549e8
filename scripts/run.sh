#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quenor_Etiquettes.
# Arguments are passed to the program (for example: list LOG.adi).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh"

if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR="/tmp/runtime-$(id -u)"
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
fi
exec "$here/build/quenor-etiquettes" "$@"
