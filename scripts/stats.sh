#!/bin/sh
# Match statistics for balance: plays MATCHES seeded matches at each of the 27
# node counts with BUILD's velmora-sim --csv, one run per core, and writes into
# OUT (BUILD/stats by default) the rows (matches.csv), the summary tables
# (summary.md) and the plots (winrate.png, length.png). The seed of a node
# count is the count itself, so the same MATCHES gives the same files.
# Usage: scripts/stats.sh BUILD MATCHES [OUT]
set -eu

usage="usage: scripts/stats.sh BUILD MATCHES [OUT]"
build=${1:?$usage}
matches=${2:?$usage}
out=${3:-$build/stats}
parts="$out/parts"
here=$(dirname "$0")
first=120 last=510 step=15  # the node counts the game offers

rm -rf "$parts"
mkdir -p "$parts"

# Largest boards first: their matches take longest, and workers that start on
# them finish close together. --speed 16 only saves frames, never changes a
# decision.
# shellcheck disable=SC2016 # the inner shell expands its own arguments
seq "$last" "-$step" "$first" | xargs -P "$(nproc)" -I NODES sh -c \
  '"$1" --csv --nodes NODES --matches "$2" --seed NODES --speed 16 > "$3/NODES.csv"' \
  sh "$build/velmora-sim" "$matches" "$parts"

head -n 1 "$parts/$first.csv" > "$out/matches.csv"
for nodes in $(seq "$first" "$step" "$last"); do
  tail -n +2 "$parts/$nodes.csv" >> "$out/matches.csv"
done
rm -rf "$parts"

"$build/velmora-match-stats" "$out/matches.csv" "$out"
gnuplot -e "dir='$out'" "$here/stats_plots.gp"
echo "Wrote $out/matches.csv, $out/summary.md, $out/winrate.png and $out/length.png"
