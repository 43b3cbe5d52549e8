#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
#   QE_SANITIZE=1 scripts/test.sh    the same suite built with ASan and UBSan (build-asan/);
#                                    any sanitizer report fails the run
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
build_dir=build
if [ "${QE_SANITIZE:-0}" = 1 ]; then
  build_dir=build-asan
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  BUILD_DIR=$build_dir "$here/scripts/build.sh" -DQE_SANITIZE=ON -DQE_BUILD_BENCH=OFF
else
  BUILD_DIR=$build_dir "$here/scripts/build.sh"
fi

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
  # The printing tests stop and start the server once; stop whichever one runs now.
  if [ -n "$cupsd_pid" ]; then
    pkill -x cupsd 2>/dev/null || true
  fi
}
trap stop_cupsd EXIT

cd "$here/$build_dir"
ctest --output-on-failure -j"$(nproc)"
