#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Vrel (Release) and starts it; "./run.sh --batch SCRIPT" runs vrel-batch instead.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# Building says nothing on standard output, so that "--batch" prints only the log.
"$here/tools/install-deps.sh" >&2
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$here/build" >&2
if [ "${1:-}" = "--batch" ]; then
  shift
  exec "$here/build/vrel-batch" "$@"
fi
exec "$here/build/vrel" "$@"
