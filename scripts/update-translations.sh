#!/usr/bin/env bash
# Refreshes the catalogues in translations/ from the texts in the code: new
# texts come in unfinished, texts gone from the code are dropped. Translate the
# unfinished ones (Qt Linguist, or by hand) and commit the .ts files.
# French is the language of the windows' texts: its catalogue holds only their
# counts (%n), and the command line's usage (context "Usage", English in the
# code), which every catalogue translates, English to itself.
#   QE_TS_DIR=FOLDER   refresh the catalogues in FOLDER instead (the tests' copy)
set -euo pipefail
cd "$(dirname "$0")/.."
ts=${QE_TS_DIR:-translations}
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
sources=(app windows platform settings files log mail labels cards selection printing)
"$lupdate" -silent -I . -locations none -no-obsolete -extensions cpp,h "${sources[@]}" \
  -ts "$ts/quenor_en.ts" "$ts/quenor_de.ts" "$ts/quenor_es.ts" "$ts/quenor_it.ts"

# French: every text refreshed in a copy, of which the counts and the usage are kept.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts/quenor_fr.ts" "$work/quenor_fr.ts"
"$lupdate" -silent -I . -locations none -no-obsolete -extensions cpp,h "${sources[@]}" \
  -ts "$work/quenor_fr.ts"
awk '
  function flushContext() {
    if (kept != "") printf "%s%s", head, kept "</context>\n"
    head = ""; kept = ""
  }
  /^<context>/ { inContext = 1; head = $0 "\n"; next }
  inContext && /^    <name>/ { head = head $0 "\n"; usage = ($0 == "    <name>Usage</name>"); next }
  /^    <message/ { message = $0 "\n"; counted = ($0 ~ /numerus="yes"/); inMessage = 1; next }
  inMessage {
    message = message $0 "\n"
    if ($0 ~ /^    <\/message>/) {
      if (usage || counted) kept = kept message
      inMessage = 0
    }
    next
  }
  /^<\/context>/ { flushContext(); inContext = 0; next }
  { print }
' "$work/quenor_fr.ts" >"$ts/quenor_fr.ts"
