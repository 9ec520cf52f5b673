#!/bin/sh
# Prints the figures of every level of the default cave set as its stored solutions play it:
# diamonds needed and present, cave time, route in passes and moves, route seconds and time share.
# Usage: scripts/cave-table.sh [BUILD-DIR]   (default: build; the set and the tool must be built)
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
exec "$build/bin/quarrion-cave-table" "$build/bin/Levels/Quarrion.qcv" "$here/tests/data/solutions.txt"
