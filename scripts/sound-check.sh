#!/usr/bin/env bash
# Plays the built game with SDL's disk audio driver, which writes the mixed output to a file, and
# prints sox's figures for a stretch of the title tune, a stretch of play in the first cave and
# that cave's demo, the busiest sound of the three.
# Usage: scripts/sound-check.sh [SECONDS_OF_TITLE]
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$PWD/build/bin
title_ms=$(( ${1:-6} * 1000 ))
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# a program folder of its own, so the runs leave no settings beside the build
cp "$bin/quarrion" "$work/"
ln -s "$bin/data" "$work/data"
cp -r "$bin/Levels" "$work/"

run() {  # run NAME SCRIPT
  QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/$1.raw" QUARRION_SCRIPT="$2" \
    "$work/quarrion" "$work/Levels/Quarrion.qcv" 2>&1 | grep -v -e 'disk i/o audio' -e 'Writing to file' -e XDG_RUNTIME || true
  echo "== $1"
  sox -t raw -r 44100 -e signed -b 16 -c 2 "$work/$1.raw" -n stats 2>&1 |
    grep -E '^(Length s|RMS lev dB|Pk lev dB|Max level|Min level|Pk count|Flat factor)'
}

run title "wait $title_ms; quit"
run cave "wait 300; key Space; wait 100; key Space; wait 2500; hold Right; wait 2500; release Right; hold Down; wait 1500; quit"
run demo "wait 300; key Space; wait 100; key D; wait 25000; quit"
