#!/usr/bin/env bash
# Kills a process that saves a cave set again and again at random moments, KILLS times (1000 by
# default), and checks the file is always exactly the old or the new set. Needs the normal build.
set -euo pipefail
cd "$(dirname "$0")/.."
QUARRION_KILLS=${1:-1000} build/bin/quarrion_core_tests --gtest_filter='SafeFile.AKilledSave*' \
  | grep -E 'kills:|OK|FAILED'
