#!/bin/sh
# Solves levels of the default cave set with the solver's default settings, one level at a time,
# and prints each found route as a line of tests/data/solutions.txt ("A1 KEYS"); levels it does
# not solve are named on stderr. Usage: scripts/solve-set.sh [LEVEL...]  (default: all 100, A1..T5)
# CAVE_SET names another set file (for a set built without demos while its solutions are made),
# BUILD_DIR picks the build folder, SECONDS_PER_LEVEL the budget per level (10). Run it on a quiet machine
# or let it take its time: it runs niced.
build=${BUILD_DIR:-build}
set_file=${CAVE_SET:-$build/bin/Levels/Quarrion.qcv}
budget=${SECONDS_PER_LEVEL:-10}
levels=$*
if [ -z "$levels" ]; then
  for cave in A B C D E F G H I J K L M N O P Q R S T; do
    for level in 1 2 3 4 5; do levels="$levels $cave$level"; done
  done
fi
failed=0
for name in $levels; do
  cave=$(echo "$name" | cut -c1)
  level=$(($(echo "$name" | cut -c2) - 1))
  if keys=$(nice -n 19 "$build/bin/quarrion-solve" "$set_file" --cave "$cave" --level "$level" \
      --seconds "$budget" 2>/dev/null); then
    echo "$name $keys"
  else
    echo "solve-set: $name not solved in $budget s" >&2
    failed=$((failed + 1))
  fi
done
exit $((failed > 0))
