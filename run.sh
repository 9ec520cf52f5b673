#!/usr/bin/env bash
# Installs what is missing, builds and starts the game on the bundled cave set.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j "$(nproc)"
# the bundled cave set unless another one is named
if [ $# -eq 0 ]; then
  set -- "$PWD/build/bin/Levels/Quarrion.qcv"
fi
exec ./build/bin/quarrion "$@"
