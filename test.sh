#!/usr/bin/env bash
# Installs what is missing, builds a normal and a sanitizer configuration and runs every test in both.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

build_and_test() {
  local dir=$1; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" > /dev/null
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

build_and_test build
# The sanitizer build skips benchmarks: they prove nothing under instrumentation.
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions="$PWD/scripts/lsan.supp" \
  build_and_test build-asan -DQUARRION_SANITIZE=ON -DQUARRION_BENCHMARKS=OFF

# The fuzz targets, built with clang as for fuzzing and each run a few seconds from its seeds: a
# reader whose target no longer builds, or fails at once, is caught here.
FUZZ_BUILD_DIR=build-fuzz-check ./scripts/fuzz.sh 5
