#!/bin/sh
# make demo, as CI runs it: a recording of the real game whose frames change,
# a GIF within its size, a contact sheet, and no recorder left running.
#   demo_test.sh SOURCE_DIR BUILD_DIR
set -eu
source_dir=$1
build_dir=$2
demo=$build_dir/demo
for p in ffmpeg ffprobe xdotool import; do
  command -v "$p" >/dev/null || { echo "$p is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
"$source_dir/scripts/demo.sh" "$build_dir" >"$work/said" 2>&1 || status=$?
[ "$status" -ne 77 ] || { cat "$work/said"; exit 77; }  # no private X server here
fail() { echo "FAIL: $*"; cat "$work/said"; exit 1; }
[ "$status" -eq 0 ] || fail "the demo ended with status $status"

# The recorder must not outlive the demo (its server is stopped by the same
# trap, and the server script's own tests check that a stop leaves nothing).
pgrep -f "ffmpeg.*$demo/velmora-demo.mp4" >/dev/null && fail "the recorder is still running"

video=$demo/velmora-demo.mp4
[ -s "$video" ] || fail "no video"
length=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$video")
awk "BEGIN {exit !($length > 20)}" || fail "a video of only $length s"
grep -q "velmora-demo.mp4 (" "$work/said" || fail "where the video is was not said"

# Frames a quarter and three quarters in differ: the game was playing.
for at in 0.25 0.75; do
  ffmpeg -nostdin -loglevel error -ss "$(awk "BEGIN {print $length * $at}")" -i "$video" \
    -frames:v 1 -y "$work/frame-$at.png"
done
differ=$(compare -metric AE "$work/frame-0.25.png" "$work/frame-0.75.png" null: 2>&1 || true)
[ "${differ%%.*}" -gt 10000 ] || fail "frames a half apart differ in only $differ pixels"
# And they show the game, not a black screen.
mean=$(convert "$work/frame-0.75.png" -colorspace gray -format '%[fx:mean]' info:)
awk "BEGIN {exit !($mean > 0.1)}" || fail "the frame three quarters in is nearly black ($mean)"

gif=$demo/velmora-demo.gif
[ -s "$gif" ] || fail "no GIF"
[ "$(stat -c %s "$gif")" -le 2600000 ] || fail "the GIF has $(stat -c %s "$gif") bytes"
[ "$(identify "$gif" | wc -l)" -gt 100 ] || fail "the GIF has too few frames"
[ -s "$demo/velmora-demo-sheet.png" ] || fail "no contact sheet"
echo "ok: $length s"
