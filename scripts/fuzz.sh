#!/usr/bin/env bash
# Builds the fuzz targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer in build-fuzz
# and runs each for a given time (or 10 million executions, whichever comes first), niced, seeded
# from tests/fuzz_corpus/<target>/. Prints one line per target: executions, seconds, findings.
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]      (default 60 s, all targets)
# Findings (crash-*, leak-*, timeout-*) are kept in build-fuzz/findings/<target>/; FUZZ_BUILD_DIR
# names another build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${FUZZ_BUILD_DIR:-build-fuzz}
seconds=${1:-60}
shift || true
all=(readpack bmp png wav midi_length config cave_set cave_text solutions tool_arguments)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${all[@]}")

CC=clang CXX=clang++ cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUARRION_FUZZ=ON \
  -DQUARRION_SANITIZE=ON -DQUARRION_BENCHMARKS=OFF > /dev/null
nice -n 19 cmake --build "$out" -j 2 --target "${targets[@]/#/fuzz_}" > /dev/null

export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions="$PWD/scripts/lsan.supp"
status=0
for target in "${targets[@]}"; do
  seeds=tests/fuzz_corpus/$target
  [ "$target" = readpack ] && seeds=tests/fuzz_corpus/pack
  corpus=$out/corpus/$target
  findings=$out/findings/$target
  mkdir -p "$corpus" "$findings"
  log=$out/findings/$target.log
  set +e
  nice -n 19 "$out/bin/fuzz_$target" "$corpus" "$seeds" -max_total_time="$seconds" -runs=10000000 \
    -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" > "$log" 2>&1
  rc=$?
  set -e
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  time=$(grep -o 'Done [0-9]* runs in [0-9]* second' "$log" | grep -o 'in [0-9]*' | grep -o '[0-9]*' || echo "$seconds")
  found=$(find "$findings" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
  printf '%-15s %10s executions %6s s  exit %d  findings %d\n' "$target" "${runs:-0}" "${time:-?}" "$rc" "$found"
  [ "$rc" -ne 0 ] || [ "$found" -ne 0 ] && status=1
done
exit $status
