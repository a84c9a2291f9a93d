#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang (build-fuzz/) and runs each for SECONDS (default 60),
# starting from its seed corpus and keeping what it finds in build-fuzz/tests/fuzz/corpus.
# Exits non-zero when a target finds a fault; the input that caused it is left in build-fuzz/.
#   tools/fuzz.sh [SECONDS] [TARGET...]     targets: open_data open_tps open_nts open_link
#   open_factor open_selection reload_consensus reload_pcs hyperprojection batch_script
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/tools/install-deps.sh"
seconds=${1:-60}
shift || true
build="$here/build-fuzz"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DVREL_FUZZ=ON -DVREL_BUILD_GUI=OFF -DVREL_BUILD_TESTS=OFF >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(open_data open_tps open_nts open_link open_factor open_selection reload_consensus
           reload_pcs hyperprojection batch_script)
fi
cmake --build "$build" --target "${targets[@]/#/fuzz_}"
corpus="$build/tests/fuzz/corpus"
status=0
for target in "${targets[@]}"; do
  echo "== fuzz_$target for ${seconds}s"
  mkdir -p "$build/findings/$target"
  (cd "$build/findings/$target" &&
    "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len=65536 -print_final_stats=1 "$corpus/$target" 2>"$build/findings/$target/log.txt") ||
    status=1
  grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|==[0-9]+==ERROR|invariant failed|SUMMARY)' \
    "$build/findings/$target/log.txt" || true
  [ $status -eq 0 ] || echo "fuzz_$target found a fault: see $build/findings/$target/"
done
exit $status
