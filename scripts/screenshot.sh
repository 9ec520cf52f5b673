#!/usr/bin/env bash
# Runs the built game under a virtual display with a key script and saves what the window shows.
# Usage: scripts/screenshot.sh "wait 3000; key Space; wait 2000; shot /tmp/title.png; quit" [CAVESET]
set -euo pipefail
cd "$(dirname "$0")/.."
script=$1
shift
export QUARRION_SCRIPT="$script"
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
if [ $# -eq 0 ]; then
  set -- "$PWD/build/bin/Levels/Quarrion.qcv"
fi
exec xvfb-run -a -s "-screen 0 1024x768x24" ./build/bin/quarrion "$@"
