#!/usr/bin/env bash
# Builds Vrel (Release) and starts it; "./run.sh --batch SCRIPT" runs vrel-batch instead.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/tools/install-deps.sh"
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$here/build"
if [ "${1:-}" = "--batch" ]; then
  shift
  exec "$here/build/vrel-batch" "$@"
fi
exec "$here/build/vrel" "$@"
