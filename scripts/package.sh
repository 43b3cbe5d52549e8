#!/usr/bin/env bash
# Builds the Debian package into build-package/ and validates its desktop files.
#   scripts/package.sh            build and validate
#   scripts/package.sh --install  also install it with apt-get and check that it runs
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
BUILD_DIR=build-package BUILD_TYPE=Release "$here/scripts/build.sh" -DQE_BUILD_TESTS=OFF -DQE_BUILD_BENCH=OFF

desktop-file-validate "$here/desktop/fr.quenor.etiquettes.desktop"
appstreamcli validate --no-net "$here/desktop/fr.quenor.etiquettes.metainfo.xml"

cd "$here/build-package"
rm -f quenor-etiquettes_*.deb
cpack -G DEB >/dev/null
deb=$(ls quenor-etiquettes_*.deb)
echo "== $deb"
dpkg-deb --field "$deb" Depends

if [ "${1:-}" = "--install" ]; then
  apt-get install -y -qq "./$deb" >/dev/null
  quenor-etiquettes --version
  quenor-etiquettes list "$here/tests/data/one_record_per_line.adi" >/dev/null
  test -f /usr/share/applications/fr.quenor.etiquettes.desktop
  test -f /usr/share/man/man1/quenor-etiquettes.1.gz || test -f /usr/share/man/man1/quenor-etiquettes.1
  export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  # The windows start and stay up until stopped.
  set +e
  QT_QPA_PLATFORM=offscreen timeout 3 quenor-etiquettes
  code=$?
  set -e
  [ $code -eq 124 ] || { echo "the installed program did not stay up (exit $code)"; exit 1; }
  echo "installed and started: $(command -v quenor-etiquettes)"
fi
