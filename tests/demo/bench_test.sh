#!/bin/sh
# make bench's script on short runs: one line per board size with the rate
# and the peak memory, and every raw report in the file it names.
#   bench_test.sh SOURCE_DIR BUILD_DIR
set -eu
source_dir=$1
build_dir=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

"$source_dir/scripts/bench.sh" "$build_dir" "$out" 120:40 510:4 >"$out/lines"
fail() { echo "FAIL: $*"; cat "$out/lines"; exit 1; }
figures='matches in [0-9.]+ s \([0-9.]+ s CPU\), [0-9]+ matches/s, peak memory [1-9][0-9]*\.[0-9] MiB'
[ "$(wc -l <"$out/lines")" -eq 3 ] || fail "not one line per board size and the file's name"
sed -n 1p "$out/lines" | grep -Eqx "120 nodes: 40 $figures" || fail "the 120-node line"
sed -n 2p "$out/lines" | grep -Eqx "510 nodes: 4 $figures" || fail "the 510-node line"
sed -n 3p "$out/lines" | grep -qx "raw output: $out/sim-time.txt" || fail "the raw file's line"
[ "$(grep -c '^summary matches=' "$out/sim-time.txt")" -eq 2 ] || fail "summaries missing"
[ "$(grep -c 'Maximum resident set size' "$out/sim-time.txt")" -eq 2 ] || fail "reports missing"
echo "ok"
