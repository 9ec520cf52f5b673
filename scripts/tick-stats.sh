#!/usr/bin/env bash
# Plays the built game for a stretch under a virtual display and prints how evenly the frames
# ticked and how much of one core the game used.
# Usage: scripts/tick-stats.sh [SECONDS] [SPEED]    (defaults: 10 s of play at Speed 14)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
speed=${2:-14}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# a program folder of its own, so the speed can be set without touching the user's settings
ln -s "$PWD/build/bin/quarrion" "$work/quarrion"
ln -s "$PWD/build/bin/data" "$work/data"
cp -r "$PWD/build/bin/Levels" "$work/Levels"
printf '[Config]\nSpeed=%s\nSoundOFF=1\n' "$speed" > "$work/Quarrion.ini"
export QUARRION_TICK_LOG="$work/ticks.log"
export SDL_AUDIODRIVER=dummy
# leave the intro, start cave A and hold still; the demo-free play runs until quit
export QUARRION_SCRIPT="wait 1500; key Space; wait 300; key Space; wait $(( (seconds + 3) * 1000 )); quit"
xvfb-run -a -s "-screen 0 1024x768x24" "$work/quarrion" "$work/Levels/Quarrion.qcv" &
runner=$!
game=""
for _ in $(seq 100); do
  game=$(pgrep -f "^$work/quarrion" || true)
  [ -n "$game" ] && break
  sleep 0.1
done
[ -n "$game" ] || { echo "the game did not start" >&2; exit 1; }
sleep 3  # past the start-up and the start of the cave
ticksPerSecond=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$game/stat"; }
startCpu=$(cpu); startWall=$(date +%s.%N); startLine=$(wc -l < "$work/ticks.log")
sleep "$seconds"
endCpu=$(cpu); endWall=$(date +%s.%N); endLine=$(wc -l < "$work/ticks.log")
wait "$runner" || true
python3 - "$work/ticks.log" "$startLine" "$endLine" "$startCpu" "$endCpu" "$startWall" "$endWall" "$ticksPerSecond" "$speed" <<'PY'
import sys
log, first, last = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
cpu0, cpu1, wall0, wall1, hz, speed = (float(v) for v in sys.argv[4:10])
times = [int(line) for line in open(log).read().split()[first:last]]
gaps = sorted((b - a) / 1000.0 for a, b in zip(times, times[1:]))
if not gaps:
    sys.exit("no ticks were logged")
def pct(p):
    return gaps[min(len(gaps) - 1, int(round(p / 100.0 * (len(gaps) - 1))))]
print(f"speed {int(speed)}: {len(gaps)} tick intervals over {wall1 - wall0:.1f} s")
print(f"median {pct(50):.3f} ms, 99th percentile {pct(99):.3f} ms, longest {gaps[-1]:.3f} ms")
cpu = (cpu1 - cpu0) / hz
print(f"CPU {100.0 * cpu / (wall1 - wall0):.1f} % of one core, {1000.0 * cpu / len(gaps):.3f} ms a tick")
PY
