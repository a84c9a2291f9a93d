#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole analysis of two larger synthetic sets (2,000 specimens of 500 landmarks in 3-D, and
# 10,000 of 100) by vrel-batch and by R's shapes::procGPA, each on one core: CPU seconds and
# peak memory of every run, in pairs. Run from the repository root after building:
#     bench/peer/large.sh [RUNS] [FOLDER]
set -euo pipefail
runs=${1:-3}
folder=${2:-/tmp/vrel-large}
mkdir -p "$folder"
times="$folder/times.txt"
: > "$times"
export OPENBLAS_NUM_THREADS=1 OMP_NUM_THREADS=1
for set in "2000 500" "10000 100"; do
  read -r n p <<<"$set"
  data="$folder/large_${n}x${p}.dat"
  [ -s "$data" ] || python3 bench/peer/synthetic.py "$n" "$p" 3 > "$data"
  printf 'open-data %s\nsuperimpose\ncomponents\nregression 5\nregression-test 5\n' "$data" \
    > "$folder/large_${n}x${p}.vrel"
  for run in $(seq "$runs"); do
    /usr/bin/time -a -o "$times" -f "$n x $((3 * p)) vrel-batch run $run: %U s user, %S s system, %M KB peak" \
      build/vrel-batch --capacity auto "$folder/large_${n}x${p}.vrel" > /dev/null
    /usr/bin/time -a -o "$times" -f "$n x $((3 * p)) Rscript    run $run: %U s user, %S s system, %M KB peak" \
      Rscript bench/peer/procgpa.R "$data" > /dev/null 2>&1
  done
done
cat "$times"
