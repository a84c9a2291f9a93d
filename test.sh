#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Vrel and runs the whole test suite; exits non-zero on any failure.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/tools/install-deps.sh"
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$here/build"
cd "$here/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error -j "$(nproc)"
