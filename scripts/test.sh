#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh"

export QT_QPA_PLATFORM=offscreen
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR="/tmp/runtime-$(id -u)"
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
fi

# Real printing tests need a CUPS server with a PDF queue; as root we set one up.
cupsd_pid=""
if [ "$(id -u)" -eq 0 ]; then
  cupsd_pid=$("$here/scripts/cups-test-queue.sh")
  export QE_REQUIRE_CUPS=1
fi
stop_cupsd() {
  if [ -n "$cupsd_pid" ]; then
    kill "$cupsd_pid" 2>/dev/null || true
  fi
}
trap stop_cupsd EXIT

cd "$here/build"
ctest --output-on-failure -j"$(nproc)"
