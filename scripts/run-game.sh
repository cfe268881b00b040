#!/bin/sh
# make run: starts the game in the build folder (where its pictures and font
# are made), and never leaves a new user with a bare error: on a display
# without the 1024 x 768 at 75 Hz mode it says what to do, and with no
# display at all it records the demo instead.
#
#   scripts/run-game.sh [BUILD_DIR]
set -u
cd "$(dirname "$0")/.."
build=${1:-build}
me="make run"

if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  echo "$me: no display to open a window on${DISPLAY:+ (DISPLAY=$DISPLAY does not answer)}; recording the demo instead (make demo)."
  exec scripts/demo.sh "$build"
fi

said=$(mktemp)
trap 'rm -f "$said"' EXIT
# The game's own words reach the terminal as they come; a copy is kept to
# tell its one failure from any other.
(cd "$build" && ./velmora "$@"; echo $? >"$said.status") | tee "$said"
status=$(cat "$said.status" 2>/dev/null || echo 1)
rm -f "$said.status"
if [ "$status" -eq 1 ] && grep -q "El modo Game no esta disponible" "$said"; then
  echo "$me: this display has no 1024 x 768 mode at 75 Hz, which the game needs for its full-screen mode; try 'make demo', or add that mode to your X server's configuration (Modeline \"1024x768_75\" 78.75 1024 1040 1136 1312 768 769 772 800 +hsync +vsync)." >&2
fi
exit "$status"
