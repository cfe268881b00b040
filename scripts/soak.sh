#!/bin/bash
# Memory against matches played, a benchmark rather than a test: the real game
# on a private Xorg server, a new match with F1 every SOAK_INTERVAL seconds
# (0.3) for SOAK_SECONDS (300) at SOAK_NODES nodes (120 to 510 in steps of
# 15). The game's VmRSS is read from /proc once a second beside the number of
# F1 presses sent so far (the game prints nothing per match, so the presses
# are the count). Prints a
# table of matches against VmRSS and the least-squares slope in kB per match
# after the first SOAK_WARMUP seconds (60) and over the second half; every
# sample goes to BUILD_DIR/soak/soak-NODES.txt.
#
#   scripts/soak.sh [BUILD_DIR]
set -eu
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
seconds=${SOAK_SECONDS:-300}
nodes=${SOAK_NODES:-120}
interval=${SOAK_INTERVAL:-0.3}
interval_ms=$(awk -v s="$interval" 'BEGIN {printf "%d", s * 1000}')
warmup=${SOAK_WARMUP:-60}
if [ $((nodes % 15)) -ne 0 ] || [ "$nodes" -lt 120 ] || [ "$nodes" -gt 510 ]; then
  echo "soak: SOAK_NODES must be 120..510 in steps of 15, not $nodes" >&2
  exit 2
fi
[ -x "$build/velmora" ] || { echo "soak: $build/velmora is missing; build first" >&2; exit 1; }
mkdir -p "$build/soak"
samples=$build/soak/soak-$nodes.txt

started=$(XSERVER_OWNER=$$ scripts/xserver.sh start)
DISPLAY=$(echo "$started" | sed -n 's/^DISPLAY=//p')
export DISPLAY
server=$(echo "$started" | sed -n 's/^PID=//p')
game=""
cleanup() {
  [ -n "$game" ] && kill "$game" 2>/dev/null && wait "$game" 2>/dev/null
  scripts/xserver.sh stop "$server" >/dev/null
}
trap cleanup EXIT

(cd "$build" && exec ./velmora --nodes "$nodes" >/dev/null 2>&1) &
game=$!
rss() { awk '/^VmRSS:/ {print $2}' "/proc/$game/status"; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }
alive() { kill -0 "$game" 2>/dev/null || { echo "soak: the game ended early" >&2; exit 1; }; }

# The entry screen is up once the game has opened its screen and loaded its
# pictures; the resident size then stops jumping.
sleep 5
alive

echo "soak: velmora at $nodes nodes, F1 every $interval s for $seconds s, VmRSS once a second"
: >"$samples"
matches=0
start=$(now_ms)
next_sample=$start
next_press=$start
end=$((start + seconds * 1000))
# The presses keep to their times: the time xdotool takes is not added.
while :; do
  t=$(now_ms)
  [ "$t" -ge "$end" ] && break
  if [ "$t" -ge "$next_sample" ]; then
    alive
    echo "$(((t - start) / 1000)) $matches $(rss)" >>"$samples"
    next_sample=$((next_sample + 1000))
  fi
  if [ "$t" -ge "$next_press" ]; then
    xdotool key F1
    matches=$((matches + 1))
    next_press=$((next_press + interval_ms))
    [ "$next_press" -lt "$t" ] && next_press=$t
  fi
  wake=$((next_press < next_sample ? next_press : next_sample))
  t=$(now_ms)
  [ "$wake" -gt "$t" ] && sleep "$(awk -v ms=$((wake - t)) 'BEGIN {printf "%.3f", ms / 1000}')"
done
# The last presses are played before the last sample.
sleep 2
alive
echo "$(((t - start) / 1000)) $matches $(rss)" >>"$samples"
# The game reads its keys in order, so Esc comes after any F1 it has not yet
# played: the time Esc takes tells whether the game kept up with the presses.
esc=$(now_ms)
xdotool key Escape
status=0
wait "$game" || status=$?
game=""
[ "$status" -eq 0 ] || { echo "soak: Esc ended the game with status $status" >&2; exit 1; }
esc_ms=$(($(now_ms) - esc))

# A table of about a dozen rows, then the least-squares slope of VmRSS
# against matches after the warm-up, and over the run's second half: the
# heap grows in steps of a megabyte or more, and a step early in the window
# weighs on the first figure where lasting growth shows in both.
awk -v warmup="$warmup" -v nodes="$nodes" '
  function slope(from,    i, n, sx, sy, sxx, sxy) {
    for (i = 1; i <= NR; i++) {
      if (t[i] < from) continue
      n++; sx += m[i]; sy += r[i]; sxx += m[i] * m[i]; sxy += m[i] * r[i]
      if (!since[from]) since[from] = i
    }
    if (n < 2 || n * sxx == sx * sx) { print "soak: too few samples after the warm-up"; exit 1 }
    return (n * sxy - sx * sy) / (n * sxx - sx * sx)
  }
  { t[NR] = $1; m[NR] = $2; r[NR] = $3 }
  END {
    step = int(NR / 12) > 0 ? int(NR / 12) : 1
    printf "%8s %8s %10s\n", "seconds", "matches", "VmRSS kB"
    for (i = 1; i <= NR; i += step) printf "%8d %8d %10d\n", t[i], m[i], r[i]
    if ((NR - 1) % step) printf "%8d %8d %10d\n", t[NR], m[NR], r[NR]
    half = t[NR] / 2 > warmup ? int(t[NR] / 2) : warmup
    s = slope(warmup); f = since[warmup]
    printf "soak: %d nodes, %d matches in %.1f min; after the first %d s (%d matches): VmRSS %d -> %d kB, %.3f kB per match\n",
      nodes, m[NR], t[NR] / 60, warmup, m[NR] - m[f], r[f], r[NR], s
    s = slope(half); f = since[half]
    printf "soak: over the second half (%d matches): VmRSS %d -> %d kB, %.3f kB per match\n",
      m[NR] - m[f], r[f], r[NR], s
  }' "$samples"
echo "soak: Esc ended the game $esc_ms ms after it was pressed"

