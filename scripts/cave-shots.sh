#!/usr/bin/env bash
# Screenshots of every cave's level 1 and level 5 as the editor shows them, taken from the built
# game under a virtual display, and (with ImageMagick's montage) one contact sheet of them all.
# Usage: scripts/cave-shots.sh [OUT-DIR]   (default: build/cave-shots)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/cave-shots}
mkdir -p "$out"
out=$(cd "$out" && pwd)
script="wait 2000; menu GameMenu_CavesEditor; wait 1500"
for cave in A B C D E F G H I J K L M N O P Q R S T; do
  script="$script; wait 300; shot $out/$cave-1.png; key ]; key ]; key ]; key ]; wait 300; shot $out/$cave-5.png"
  script="$script; key [; key [; key [; key [; key ="
done
./scripts/screenshot.sh "$script; quit" >/dev/null 2>&1
if command -v montage >/dev/null; then
  montage -label '%t' "$out"/[A-T]-[15].png -tile 4x -geometry 400x+4+4 "$out/contact-sheet.png"
  echo "$out/contact-sheet.png"
else
  echo "$out (montage not found: no contact sheet)"
fi
