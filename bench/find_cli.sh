#!/usr/bin/env bash
# Times `tessamo-cli find rent --min 100 --max 5000` over ten generated years
# of 100,000 lines each, process start included: the median wall time of RUNS
# runs and the largest resident memory, beside the largest year file.
#
#   bench/find_cli.sh [BUILD_DIR] [RUNS]      defaults: build 21
#
# Not part of the test run.
set -euo pipefail

build=${1:-build}
runs=${2:-21}
cli=$(realpath "$build/tessamo-cli")
work=$(mktemp -d "${TMPDIR:-/tmp}/tessamo-find-XXXXXX")
trap 'rm -rf "$work"' EXIT
"$build/bench/make_find_years" "$work"
export TESSAMO_HOME=$work TESSAMO_TODAY=12-31-1999 LC_ALL=C.UTF-8

"$cli" find rent --min 100 --max 5000 >/dev/null 2>"$work/totals.txt"  # warm the page cache
head -1 "$work/totals.txt"
times=()
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$cli" find rent --min 100 --max 5000 >/dev/null 2>&1
    times+=($(( ($(date +%s%N) - start) / 1000 )))
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
echo "median wall time: $(( median / 1000 )).$(( median % 1000 / 100 )) ms over $runs runs"
/usr/bin/time -f "largest resident memory: %M KiB" "$cli" find rent --min 100 --max 5000 >/dev/null 2>"$work/time.txt" || true
tail -1 "$work/time.txt"
echo "largest year file: $(( $(stat -c %s "$work"/1999TSM.DAT) / 1024 )) KiB"
