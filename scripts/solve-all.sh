#!/bin/sh
# Runs the solver with its default settings over every level of the default cave set and prints
# a line per level, the solved count, the slowest levels and the total time. Extra arguments go
# to quarrion-solve (for example --seconds 20 or --threads 1). Run it niced on a shared machine.
set -e
build=${BUILD_DIR:-build}
exec nice -n 19 "$build/bin/quarrion-solve" "$build/bin/Levels/Quarrion.qcv" --all "$@"
