#!/usr/bin/env bash
# Runs the command-line outputs over every log under tests/data and compares them
# with the outputs recorded in tests/golden/recorded. A changed byte fails.
#   outputs.sh PROGRAM            compare
#   outputs.sh PROGRAM --record   record anew (say why in the commit message)
set -uo pipefail
program=$1
mode=${2:-compare}
here=$(cd "$(dirname "$0")" && pwd)
data=$(cd "$here/../data" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A fixed hash seed keeps the order of objects in a PDF the same from run to run;
# the messages are read in French, whatever the machine's locale.
export XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 QT_HASH_SEED=0
export LANGUAGE=fr
out="$work/out"
mkdir -p "$out"

run() {  # run NAME ARGS... : stdout, stderr and exit code of one command
    local name=$1
    shift
    (cd "$work" && "$program" "$@" >"$out/$name.out" 2>"$out/$name.err"; echo $? >"$out/$name.code")
}

# A PDF holds the time it was made; nothing else may differ.
pdf() {  # pdf NAME ARGS...
    local name=$1
    shift
    run "$name" "$@" --pdf "$work/$name.pdf"
    LC_ALL=C perl -pe 's#/CreationDate \(D:[^)]*\)#/CreationDate ()#' "$work/$name.pdf" >"$out/$name.pdf" 2>/dev/null || true
}

logs=("$data"/*.adi "$here/varied.adi")
for log in "${logs[@]}"; do
    base=$(basename "$log" .adi)
    cp "$log" "$work/$base.adi"
    run "$base-list" list "$base.adi"
    run "$base-labels-default" labels "$base.adi" --dump
    run "$base-labels-f1" labels "$base.adi" --station F9XQA --format 1 --dump
    run "$base-labels-f2-en" labels "$base.adi" --station F9XQA --format 2 --lang en --qsl 3 \
        --offset +1 --comment "Merci pour le QSO" --tx "IC-7300" --antenna "Dipole" --dump
    run "$base-labels-f3-act" labels "$base.adi" --station TM5ABC --format 3 --type activation \
        --activation-number 59101-ABCD --activation-name "Chateau de Branleux" --canton 59-01 \
        --postcode 59000 --municipality Lille --dump
    run "$base-labels-f4-act-en" labels "$base.adi" --station TM5ABC --format 4 --type activation \
        --lang en --activation-number DDCF-001 --activation-name "Fort" --dump
    run "$base-labels-f6" labels "$base.adi" --station F9XQA --format 6 --qsl 2 --offset -0,5 --dump
    run "$base-labels-f6-act" labels "$base.adi" --station F9XQA --format 6 --type activation --dump
    run "$base-cards" cards "$base.adi" "$here/sample.qsl" --dump
done
# Fitted labels on a preset sheet through the QSL round: owed filter, bureau order (the test
# country file), grouping, a used first sheet, and the marked copy.
cp "$data/round/round.adi" "$work/round.adi"
mkdir -p "$work/config/Quenor_Etiquettes"
cp "$data/round/cty.dat" "$work/config/Quenor_Etiquettes/cty.dat"
run list-sheets labels --list-sheets
run round-list-bureau list round.adi --unsent --sort bureau
run round-list-call list round.adi --sort call
# The bureau run: guests to their home bureau, managers, entities without a bureau, DIRECT.
cp "$data/round/bureau.adi" "$work/bureau.adi"
run bureau-list list bureau.adi --sort bureau
run bureau-labels labels bureau.adi --station F9XQA --sheet L7160 --route bureau --dump
run bureau-cards-keep cards bureau.adi "$here/sample.qsl" --sort bureau --keep-undeliverable --dump
for sheet in L7160 3422; do
    run "round-$sheet-group" labels round.adi --station F9XQA --sheet "$sheet" --group --dump
    run "round-$sheet-first" labels round.adi --station F9XQA --sheet "$sheet" --first-label 5 \
        --unsent --sort bureau --dump
    run "round-$sheet-all" labels round.adi --station F9XQA --sheet "$sheet" --group \
        --first-label 3 --unsent --sort bureau --lang en --comment "Tnx fer QSO" --dump
done
run round-f1-group labels round.adi --station F9XQA --format 1 --group --unsent --sort bureau --dump
run round-cards-bureau cards round.adi "$here/sample.qsl" --unsent --sort bureau --dump
# Cards with a QSO table: grouped (more QSOs than rows, a station with a manager, PSE and TNX
# on one card), the thanks, the four sizes, 2 and 4 per page on a used first page.
cp "$data/cards/grouped.adi" "$work/grouped.adi"
cp "$here/table.qsl" "$work/table.qsl"
run cards-group cards grouped.adi table.qsl --group --dump
run cards-table-ungrouped cards grouped.adi table.qsl --qsl 2 --dump
run cards-group-no-table cards grouped.adi "$here/sample.qsl" --group --dump
for size in 139.7x88.9 148x105 152.4x101.6; do
    perl -pe "s/^card\.size = [^\r\n]*/card.size = $size/" "$here/table.qsl" >"$work/size-$size.qsl"
    run "cards-size-$size" cards grouped.adi "size-$size.qsl" --group --dump
    run "cards-size-$size-2" cards grouped.adi "size-$size.qsl" --group --per-page 2 --dump
    run "cards-size-$size-4" cards grouped.adi "size-$size.qsl" --group --per-page 4 --dump
done
# Texts in the bureaus' strip are pointed out (and printed) when the template keeps it free.
perl -pe 's/^10            70            8/10            84            8/; s/^thanks\.y = 70/thanks.y = 83/' \
    "$here/table.qsl" >"$work/strip.qsl"
run cards-strip cards grouped.adi strip.qsl --group --dump
run cards-4-a4-first cards grouped.adi table.qsl --group --per-page 4 --paper A4 --first-card 2 --dump
run cards-2-letter-first cards grouped.adi table.qsl --group --per-page 2 --paper Letter \
    --first-card 2 --dump
run cards-4-letter cards grouped.adi table.qsl --group --per-page 4 --paper Letter --dump
run cards-first-card-past cards grouped.adi table.qsl --per-page 2 --first-card 3 --dump
pdf cards-4-a4-pdf cards grouped.adi table.qsl --group --per-page 4 --first-card 2
run round-mark labels round.adi --station F9XQA --sheet L7160 --unsent --dump \
    --mark-sent round-marked.adi --sent-via D
LC_ALL=C sed 's/<QSLSDATE:8>[0-9]\{8\}/<QSLSDATE:8>DATE/g' "$work/round-marked.adi" \
    >"$out/round-marked.adi" 2>/dev/null || true
# Direct mail: one address per recipient from the address book, else the log; the missing ones.
cp "$data/mail/addresses.adi" "$work/addresses.adi"
printf 'M0OXO;Charles;"1 Long Road; Flat 2";UK\n' >"$work/config/Quenor_Etiquettes/adresses.csv"
run mail-labels addresses addresses.adi --sheet L7160 --dump
run mail-labels-tuned addresses addresses.adi --sheet 6 --return-address 0 --dump
# Return-address labels asked with no sender's address stored: refused, nothing printed.
run mail-return-no-sender addresses addresses.adi --sheet 6 --return-address 3 --dump
run mail-envelopes addresses addresses.adi --envelope DL --sort bureau --dump
run mail-envelopes-us10 addresses addresses.adi --envelope US10 --unsent --dump
run mail-none addresses round.adi --envelope C6 --dump
run usage-addresses addresses addresses.adi --dump
run usage-addresses-both addresses addresses.adi --sheet L7160 --envelope DL --dump
run usage-addresses-envelope addresses addresses.adi --envelope C4 --dump
# The PDF's fonts are the machine's: no CJK address, whose font fontconfig picks.
LC_ALL=C perl -0777 -pe 's/<CALL:6>JA1XYZ.*?<EOR>\r?\n//s' "$work/addresses.adi" \
    >"$work/latin-addresses.adi"
pdf mail-envelopes-c5 addresses latin-addresses.adi --envelope C5
rm -rf "$work/config/Quenor_Etiquettes"
# The answering round: each queue and route of a log holding every QSL field combination, the
# sending method that follows the route, and the thanks chosen by the card received.
cp "$data/answer/answer.adi" "$work/answer.adi"
for owed in unsent requested received; do
    for route in all bureau direct; do
        run "answer-list-$owed-$route" list answer.adi --owed "$owed" --route "$route"
    done
done
run answer-list-direct list answer.adi --route direct --sort call
run answer-mark-direct labels answer.adi --station F9XQA --sheet L7160 --owed received \
    --route direct --dump --mark-sent answer-direct.adi
LC_ALL=C sed 's/<QSLSDATE:8>[0-9]\{8\}/<QSLSDATE:8>DATE/g' "$work/answer-direct.adi" \
    >"$out/answer-direct.adi" 2>/dev/null || true
run answer-thanks-f1 labels answer.adi --station F9XQA --format 1 --qsl auto --dump
run answer-thanks-f1-group labels answer.adi --station F9XQA --format 1 --qsl auto --group --dump
run answer-thanks-L7160-group labels answer.adi --station F9XQA --sheet L7160 --qsl auto --group \
    --lang en --dump
run answer-thanks-act labels answer.adi --station TM5ABC --format 3 --type activation \
    --qsl auto --owed received --dump
cp "$data/answer/bundle.txt" "$work/bundle.txt"
run answer-received received answer.adi --calls bundle.txt --via D --out answer-recues.adi
LC_ALL=C sed "s/<QSLRDATE:8>$(date -u +%Y%m%d)/<QSLRDATE:8>TODAY/g" "$work/answer-recues.adi" \
    >"$out/answer-recues.adi" 2>/dev/null || true
run answer-received-via received answer.adi --calls bundle.txt --via E --out answer-recues.adi
run answer-owed-unknown list answer.adi --owed later
run answer-route-unknown list answer.adi --route air
run answer-owed-twice list answer.adi --unsent --owed received
# The usage and the answer to each kind of argument mistake, message and exit code.
run usage-help --help
# The English usage is the text the code holds: it stays byte for byte.
LANGUAGE=en run usage-help-en --help
run usage-version --version
run usage-sheets labels --list-sheets
run usage-unknown lables round.adi --dump
run usage-list list round.adi --mark-sent x.adi
run usage-labels labels round.adi
run usage-option labels round.adi --frob --dump
run usage-round-first labels round.adi --frob --sort
run usage-round-value labels round.adi --dump --sent-via X --frob
run usage-value labels round.adi --dump --comment
run usage-empty labels round.adi --pdf ""
run usage-format labels round.adi --format 7 --dump
run usage-offset labels round.adi --offset-y abc --dump
run usage-first labels round.adi --sheet L7160 --first-label 99 --dump
run usage-sheet labels round.adi --sheet NOPE --dump
run usage-sheets-extra labels --list-sheets --group
run usage-calibration labels --calibration --dump
run usage-cards cards round.adi --dump
run usage-cards-option cards round.adi "$here/sample.qsl" --dump --station F9XQA

pdf varied-labels-f1 labels varied.adi --station F9XQA --format 1
pdf varied-labels-f6-act labels varied.adi --station F9XQA --format 6 --type activation --lang en
pdf varied-cards cards varied.adi "$here/sample.qsl"

recorded="$here/recorded"
if [ "$mode" = --record ]; then
    rm -rf "$recorded"
    cp -r "$out" "$recorded"
    echo "recorded $(ls "$recorded" | wc -l) outputs"
    exit 0
fi
if diff -r "$recorded" "$out" >"$work/diff"; then
    echo "1 passed, 0 failed: $(ls "$out" | wc -l) outputs identical"
    exit 0
fi
head -c 4000 "$work/diff"
echo "0 passed, 1 failed: outputs differ from tests/golden/recorded"
exit 1
