#!/usr/bin/env bash
# Refreshes the catalogues in translations/ from the texts in the code: new
# texts come in unfinished, texts gone from the code are dropped. Translate the
# unfinished ones (Qt Linguist, or by hand) and commit the .ts files.
# French is the language of the code: its catalogue holds only the counts (%n).
#   QE_TS_DIR=FOLDER   refresh the catalogues in FOLDER instead (the tests' copy)
set -euo pipefail
cd "$(dirname "$0")/.."
ts=${QE_TS_DIR:-translations}
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
sources=(app windows platform settings log mail labels cards selection printing)
"$lupdate" -silent -I . -locations none -no-obsolete -extensions cpp,h "${sources[@]}" \
  -ts "$ts/quenor_en.ts" "$ts/quenor_de.ts" "$ts/quenor_es.ts" "$ts/quenor_it.ts"
"$lupdate" -silent -I . -locations none -no-obsolete -pluralonly -extensions cpp,h "${sources[@]}" \
  -ts "$ts/quenor_fr.ts"
