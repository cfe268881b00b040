#!/bin/bash
# make demo: the real game on a private X server, driven as a user would
# drive it (entry screen, a match played turn by turn until a side wins, the
# three camera set-ups, a glide and a mouse turn, back to the entry screen,
# Esc), recorded with ffmpeg into BUILD/demo/velmora-demo.mp4, with a small
# animated GIF and a contact sheet of the key moments beside it.
#
#   scripts/demo.sh [BUILD_DIR]
#
# The server, the recorder and the game are stopped whatever happens.
set -eu
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
out=$build/demo
me="make demo"
for f in "$build/velmora" "$build/Data/marmol.bmp" "$build/arial.glf"; do
  [ -e "$f" ] || { echo "$me: $f is missing; build first (make build)" >&2; exit 1; }
done
mkdir -p "$out"
rm -f "$out"/velmora-demo.mp4 "$out"/velmora-demo.gif "$out"/velmora-demo-sheet.png
work=$(mktemp -d)

server=""
recorder=""
game=""
finish() {
  status=$?
  [ -n "$game" ] && kill "$game" 2>/dev/null && wait "$game" 2>/dev/null
  if [ -n "$recorder" ]; then
    kill -INT "$recorder" 2>/dev/null  # ffmpeg closes the file properly on INT
    wait "$recorder" 2>/dev/null || true
  fi
  [ -n "$server" ] && scripts/xserver.sh stop "$server" >/dev/null
  rm -rf "$work"
  exit $status
}
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

started=$(XSERVER_OWNER=$$ scripts/xserver.sh start) || {
  echo "$me: the private X server did not start (see above)" >&2
  exit 1
}
server=$(echo "$started" | sed -n 's/^PID=//p')
DISPLAY=$(echo "$started" | sed -n "s/^DISPLAY=//p")
export DISPLAY

ffmpeg -nostdin -loglevel error -f x11grab -framerate 25 -video_size 1024x768 -i "$DISPLAY" \
  -c:v libx264 -preset ultrafast -crf 26 -pix_fmt yuv420p "$out/velmora-demo.mp4" &
recorder=$!
t0=$(date +%s.%N)

# ---- Reading the screen ------------------------------------------------------

# The share of near-white pixels in a screen rectangle W H X Y.
white() {
  import -window root -crop "$1x$2+$3+$4" +repage ppm:- |
    convert ppm:- -colorspace gray -threshold 90% -format '%[fx:mean]' info:
}
# The speed prompt at the bottom, the turn line at the top (both text).
prompt_shown() { awk "BEGIN {exit !($(white 700 36 316 721) > 0.02)}"; }
turn_line_shown() { awk "BEGIN {exit !($(white 350 36 340 3) > 0.02)}"; }

# Marks a key moment for the contact sheet: its time in the recording.
moments=$work/moments
mark() { echo "$(awk "BEGIN {print $(date +%s.%N) - $t0}") $1" >>"$moments"; }
keys() { xdotool key --delay 150 "$@"; }
wait_for() {  # wait_for SECONDS CONDITION...
  local limit=$1
  shift
  local end=$(($(date +%s) + limit))
  until "$@"; do
    [ "$(date +%s)" -lt "$end" ] || return 1
    sleep 0.2
  done
}
no_prompt() { ! prompt_shown; }

# Plays one turn: Enter, then until the prompt is back.
play_turn() {
  keys Return
  wait_for 10 no_prompt || true
  wait_for 40 prompt_shown
}

# ---- The session -------------------------------------------------------------

# A named match that the Piramides win in 24 turns (velmora-sim --nodes 120
# --match 7eddc1d1E --trace shows it), so that every recording, on any
# machine and however busy, ends in a win.
match=7eddc1d1E
(cd "$build" && exec ./velmora --match "$match" >/dev/null 2>&1) &
game=$!
sleep 2
mark "La pantalla de entrada"
sleep 1
keys plus plus plus
sleep 0.8
keys minus minus minus
sleep 0.6
keys Return
wait_for 20 prompt_shown
mark "Una partida vista desde arriba"
play_turn
play_turn
mark "Dos turnos a velocidad 1"
sleep 1
keys plus plus plus plus
sleep 0.5
mark "Velocidad 16"

# At speed 16 until a side wins: the winner lines then replace the turn line.
won=""
turns=2
while [ -z "$won" ] && [ $turns -lt 40 ]; do
  play_turn || { echo "$me: turn $((turns + 1)) did not end within 40 s" >&2; exit 1; }
  turns=$((turns + 1))
  turn_line_shown || won=1
done
if [ -z "$won" ]; then
  echo "$me: match $match did not end in a win after $turns turns" >&2
  exit 1
fi
mark "Gana un bando"
sleep 1.5
keys 2
sleep 1.5
mark "Vista oblicua"
keys 3
sleep 1.2
mark "Camara libre"
xdotool keydown Up
sleep 0.8
xdotool keyup Up
sleep 1
mark "Un paseo con las flechas"
xdotool mousemove 512 384 mousedown 1
for step in 1 2 3 4 5 6 7 8; do
  xdotool mousemove $((512 + 12 * step)) 384
  sleep 0.08
done
xdotool mouseup 1
sleep 1
mark "Un giro con el raton"
keys F2
sleep 1.5
mark "De vuelta a la entrada"
sleep 1.5
keys Escape
wait "$game" || true
game=""
stopped=$(date +%s.%N)
kill -INT "$recorder"
wait "$recorder" || true
recorder=""

# ---- The GIF and the contact sheet -------------------------------------------

length=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$out/velmora-demo.mp4")
# The recorder starts a little after it is launched; its last frame is taken
# when it is stopped, so that is where the moments are counted back from.
late=$(awk "BEGIN {print $stopped - $t0 - $length}")
# The GIF runs two and a half times as fast as the game, at ten frames a
# second and 360 pixels wide, so that the whole session stays small.
gif_filter="setpts=PTS/2.5,fps=10,scale=360:-1:flags=lanczos"
ffmpeg -nostdin -loglevel error -i "$out/velmora-demo.mp4" \
  -vf "$gif_filter,palettegen=stats_mode=diff:max_colors=128" -y "$work/palette.png"
ffmpeg -nostdin -loglevel error -i "$out/velmora-demo.mp4" -i "$work/palette.png" \
  -lavfi "${gif_filter}[x];[x][1:v]paletteuse=dither=bayer:bayer_scale=3:diff_mode=rectangle" \
  -y "$out/velmora-demo.gif"

i=0
labels=()
while read -r at label; do
  i=$((i + 1))
  at=$(awk "BEGIN {t = $at - $late; if (t > $length - 0.2) t = $length - 0.2; print (t < 0) ? 0 : t}")
  ffmpeg -nostdin -loglevel error -ss "$at" -i "$out/velmora-demo.mp4" -frames:v 1 -vf scale=320:-1 \
    -y "$work/moment-$i.png"
  labels+=(-label "$label" "$work/moment-$i.png")
done <"$moments"
montage "${labels[@]}" -tile 4x -geometry +4+4 -font DejaVu-Sans -pointsize 14 \
  -background '#202020' -fill white "$out/velmora-demo-sheet.png"

echo "$me: $out/velmora-demo.mp4 ($(printf '%.0f' "$length") s, $(du -h "$out/velmora-demo.mp4" | cut -f1))"
echo "$me: $out/velmora-demo.gif ($(du -h "$out/velmora-demo.gif" | cut -f1))"
echo "$me: $out/velmora-demo-sheet.png"
