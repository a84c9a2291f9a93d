#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything (the Qt program and its tests included) with clang under AddressSanitizer
# and UndefinedBehaviorSanitizer in build-asan/, and runs the whole test suite there.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/tools/install-deps.sh"
build="$here/build-asan"
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build"
cd "$build"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$here/tools/lsan.supp"
# The random sequences run slower under the sanitizers: fewer of them here.
export VREL_SEQUENCES=${VREL_SEQUENCES:-400}
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error -j "$(nproc)"
