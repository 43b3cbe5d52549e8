#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET ...]     default 60 s, all five targets
# New inputs found go to build-fuzz/corpus/TARGET (the seeds in tests/fuzz/corpus stay as
# they are); a crash leaves its input in build-fuzz/ and makes the script fail.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(adif_reader qsl_template settings_names label_composition sent_marker)

CC=clang CXX=clang++ cmake -S "$here" -B "$here/build-fuzz" -DQE_FUZZ=ON -DQE_BUILD_TESTS=OFF \
  -DQE_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$here/build-fuzz" -j"$(nproc)" $(printf -- '--target fuzz_%s ' "${targets[@]}") >/dev/null

export QT_QPA_PLATFORM=offscreen
status=0
passed=0
failed=0
for target in "${targets[@]}"; do
  corpus="$here/build-fuzz/corpus/$target"
  mkdir -p "$corpus"
  echo "== fuzz_$target for ${seconds} s"
  log="$here/build-fuzz/fuzz_$target.log"
  set +e
  (cd "$here/build-fuzz" && "./tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 "$corpus" "$here/tests/fuzz/corpus/$target") >"$log" 2>&1
  code=$?
  set -e
  grep -E "^(stat::number_of_executed_units|stat::new_units_added|Done )|ERROR|SUMMARY|Test unit written" "$log" || true
  if [ $code -ne 0 ]; then
    echo "fuzz_$target failed (exit $code); see $log"
    status=1
    failed=$((failed + 1))
  else
    passed=$((passed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
exit $status
