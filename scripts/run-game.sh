#!/bin/sh
# make run: starts the game in the build folder (where its pictures and font
# are made) through the same launcher as the installed game, so that on a
# display without the 1024 x 768 mode at 75 Hz it opens in a window instead.
# With no display at all it records the demo instead.
#
#   scripts/run-game.sh [BUILD_DIR] [GAME ARGUMENTS...]
set -u
cd "$(dirname "$0")/.."
build=${1:-build}
[ $# -gt 0 ] && shift

if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  echo "make run: no display to open a window on${DISPLAY:+ (DISPLAY=$DISPLAY does not answer)}; recording the demo instead (make demo)."
  scripts/install-deps.sh demo || exit 1
  exec scripts/demo.sh "$build"
fi
exec "$build/velmora-launcher" "$@"
