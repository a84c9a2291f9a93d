#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs COUNT random command sequences (40 commands each) from SEED (default 1) on the Release
# build, and reports any that leave the session unsound.   tools/sequences.sh COUNT [SEED]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
count=${1:?usage: tools/sequences.sh COUNT [SEED]}
seed=${2:-1}
if [ ! -f "$here/build/build.ninja" ]; then
  cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$here/build" --target vrel_tests
VREL_SEQUENCES=$count VREL_SEQUENCE_SEED=$seed \
  "$here/build/tests/vrel_tests" --gtest_filter='CommandSequences.*'
