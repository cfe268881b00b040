#!/bin/bash
# Measures the real game on a private Xorg server (llvmpipe): the time from
# start to the first drawn frame, and the frames per second and the CPU the
# process uses (all its threads, from /proc) on the entry screen and while
# 120- and 510-node matches run at speed 1 and 16. Every figure is taken
# twice: with the game's sleeping frame wait, and with the plain busy wait it
# replaced (the probe makes nanosleep return at once).
#
# With BENCH_WINDOW=WIDTHxHEIGHT the game plays in its ordinary window
# (velmora --window) of that size on an Xvfb screen of 1920 x 1080 instead,
# with the sleeping wait only: 1920x1080 is the window maximised.
#
#   scripts/bench-game.sh [BUILD_DIR] [SECONDS_PER_FIGURE]
set -eu
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
window=${2:-8}
probe=$build/libvelmora_frame_probe.so
for f in "$build/velmora" "$probe"; do
  [ -e "$f" ] || { echo "bench-game: $f is missing; build first (make build)" >&2; exit 1; }
done
size=${BENCH_WINDOW:-}

server=""
if [ -z "$size" ]; then
  started=$(scripts/xserver.sh start)
  DISPLAY=$(echo "$started" | sed -n "s/^DISPLAY=//p")
  export DISPLAY
  server=$(echo "$started" | sed -n 's/^PID=//p')
else
  number=$(( $$ % 300 + 600 ))
  while [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
  Xvfb ":$number" -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=":$number"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi
log=$(mktemp)
game=""
pump=""
cleanup() {
  [ -n "$pump" ] && kill "$pump" 2>/dev/null
  [ -n "$game" ] && kill "$game" 2>/dev/null && wait "$game" 2>/dev/null
  if [ -n "$server" ]; then
    scripts/xserver.sh stop "$server" >/dev/null
  else
    kill "$xvfb" 2>/dev/null
  fi
  rm -f "$log"
}
trap cleanup EXIT

ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$game/stat"; }
keys() { xdotool key --delay 150 "$@"; }

# Enter every 0.4 s keeps a match running turn after turn (Enter while a
# turn is being played does nothing).
start_pump() { (while :; do xdotool key Return; sleep 0.4; done) & pump=$!; }
stop_pump() { kill "$pump"; wait "$pump" 2>/dev/null || true; pump=""; }

# Prints "label  fps  cpu%" over the next $window seconds.
measure() {
  local before_lines before_ticks after_ticks fps
  before_lines=$(grep -c 'frames/s' "$log" || true)
  before_ticks=$(cpu_ticks)
  sleep "$window"
  after_ticks=$(cpu_ticks)
  fps=$(grep 'frames/s' "$log" | tail -n +"$((before_lines + 2))" |
        awk '{s += $2; n++} END {if (n) printf "%.1f", s / n; else print "-"}')
  printf '  %-34s %6s frames/s %6.0f %% of a core\n' "$1" "$fps" \
    "$(awk "BEGIN {print ($after_ticks - $before_ticks) * 100 / $ticks_per_second / $window}")"
}

run() {
  local spin=$1
  : >"$log"
  local t0
  t0=$(date +%s.%N)
  (cd "$build" && LD_PRELOAD=$probe VELMORA_PROBE_SPIN=$spin exec ./velmora ${size:+--window} \
    >/dev/null 2>"$log") &
  game=$!
  for _ in $(seq 100); do grep -q 'first frame' "$log" && break; sleep 0.1; done
  printf '  %-34s %6.3f s\n' "start to first frame" \
    "$(awk "BEGIN {print $(sed -n 's/^probe: first frame at //p' "$log") - $t0}")"
  if [ -n "$size" ]; then
    # With no window manager keys go to the window under the pointer.
    id=$(xdotool search --name '^Velmora$' | head -n 1)
    xdotool windowmove "$id" 0 0 windowsize "$id" "${size%x*}" "${size#*x}"
    xdotool mousemove "$(( ${size%x*} / 2 ))" "$(( ${size#*x} / 2 ))"
  fi
  sleep 2
  measure "entry screen"

  keys Return; sleep 1; start_pump
  measure "120 nodes, speed 1, running"
  stop_pump
  keys F2 Return; sleep 1; keys plus plus plus plus; start_pump
  measure "120 nodes, speed 16, running"
  stop_pump
  keys F2; for _ in $(seq 26); do keys plus; done
  keys Return; sleep 2; start_pump
  measure "510 nodes, speed 16, running"
  stop_pump
  keys F2 Return; sleep 2; keys minus minus minus minus; start_pump
  measure "510 nodes, speed 1, running"
  stop_pump
  keys Escape
  wait "$game" || true
  game=""
}

if [ -n "$size" ]; then
  echo "velmora --window at $size on Xvfb, $(nproc) cores, llvmpipe, ${window} s a figure"
  run 0
  exit 0
fi
echo "velmora on $(nproc) cores, llvmpipe, ${window} s a figure"
echo "with the sleeping frame wait:"
run 0
echo "with the plain busy wait:"
run 1
