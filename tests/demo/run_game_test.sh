#!/bin/sh
# make run on a display without the 1024 x 768 at 75 Hz mode (Xvfb): the
# game's own line, then one line of make run's own saying why and what to do,
# and a failing status.
#   run_game_test.sh SOURCE_DIR BUILD_DIR
set -eu
source_dir=$1
build_dir=$2
command -v Xvfb >/dev/null || { echo "Xvfb is not installed"; exit 77; }

number=$(( $$ % 300 + 600 ))
while [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null; rm -f "$out" "$err"' EXIT
out=$(mktemp)
err=$(mktemp)
for _ in $(seq 50); do DISPLAY=":$number" xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

status=0
DISPLAY=":$number" "$source_dir/scripts/run-game.sh" "$build_dir" >"$out" 2>"$err" || status=$?
fail() { echo "FAIL: $*"; echo "--- stdout"; cat "$out"; echo "--- stderr"; cat "$err"; exit 1; }
[ "$status" -ne 0 ] || fail "make run succeeded without game mode"
grep -qx "El modo Game no esta disponible." "$out" || fail "the game's own line is missing"
[ "$(grep -c '^make run:' "$err")" -eq 1 ] || fail "not exactly one line of make run's own"
grep '^make run:' "$err" | grep -q "1024 x 768" || fail "the line does not say which mode is missing"
grep '^make run:' "$err" | grep -q "make demo" || fail "the line does not say what to do"
echo "ok"
