#!/bin/sh
# Matches per second and peak memory of the headless simulator: plays each
# NODES:MATCHES pair with seed 1 under /usr/bin/time -v and prints one line
# per pair. The simulator's summaries and time's full reports go to
# OUT/sim-time.txt.
# Usage: scripts/bench.sh BUILD OUT NODES:MATCHES...
set -eu

usage="usage: scripts/bench.sh BUILD OUT NODES:MATCHES..."
build=${1:?$usage}
out=${2:?$usage}
shift 2
[ $# -gt 0 ] || { echo "$usage" >&2; exit 2; }
raw=$out/sim-time.txt
report=$(mktemp)
trap 'rm -f "$report"' EXIT
mkdir -p "$out"
: >"$raw"

for run in "$@"; do
  nodes=${run%%:*}
  matches=${run#*:}
  {
    echo "== velmora-sim --nodes $nodes --matches $matches --seed 1"
    /usr/bin/time -v -o "$report" \
      "$build/velmora-sim" --nodes "$nodes" --matches "$matches" --seed 1
    cat "$report"
  } >>"$raw"
  # Wall-clock time makes the rate; CPU time beside it shows how much of the
  # wait was the machine's other work.
  awk -F': ' -v nodes="$nodes" -v matches="$matches" '
    /User time|System time/ { cpu += $2 }
    /Elapsed \(wall clock\)/ { n = split($2, part, ":"); for (i = 1; i <= n; i++) wall = wall * 60 + part[i] }
    /Maximum resident set size/ { kib = $2 }
    END {
      rate = wall > 0 ? sprintf("%.0f", matches / wall) : "over " matches / 0.01
      printf "%d nodes: %d matches in %.2f s (%.2f s CPU), %s matches/s, peak memory %.1f MiB\n",
             nodes, matches, wall, cpu, rate, kib / 1024
    }' "$report"
done
echo "raw output: $raw"
