#!/bin/sh
# A private Xorg server on the dummy video driver, whose one mode is 1024x768
# at 75 Hz: unlike Xvfb it lets freeglut enter game mode, and Mesa's llvmpipe
# draws the game on it, so tests can start, drive and photograph the real game.
#
#   xserver.sh start [DIR]      start a server; prints DISPLAY=:N, PID=P and LOG=FILE
#   xserver.sh stop PID         stop that server and remove the folder start made
#   xserver.sh run [--] CMD...  run CMD on a server of its own, stopped whatever happens
#
# Exits 77 with one line on stderr when the server cannot be started here at
# all (no root rights, or Xorg missing), so that tests can skip.
# XSERVER_FIRST_DISPLAY=N makes start try display N first instead of a random one.
# XSERVER_OWNER=PID makes the server stop by itself once process PID has ended,
# so that a test killed before its clean-up leaves no server behind.
set -u

me="xserver.sh"
tmp_root="${TMPDIR:-/tmp}"

. "$(dirname "$0")/server_common.sh"

# Xorg given its own -config file runs only as root: directly, or through a
# sudo that asks no password.
as_root=""
need_root() {
  if [ "$(id -u)" -eq 0 ]; then
    as_root=""
  elif command -v sudo >/dev/null 2>&1 && sudo -n true >/dev/null 2>&1; then
    as_root="sudo -n"
  else
    say "starting Xorg needs root (or sudo without a password); not available here"
    exit 77
  fi
}

need_programs() {
  if ! command -v Xorg >/dev/null 2>&1 || ! command -v xdpyinfo >/dev/null 2>&1 ||
     [ ! -e /usr/lib/xorg/modules/drivers/dummy_drv.so ]; then
    say "Xorg, its dummy video driver or xdpyinfo is missing (scripts/install-deps.sh adds them)"
    exit 77
  fi
}

# The sync ranges admit only this mode's 60.0 kHz and 75.0 Hz, so no built-in
# mode of another size or rate slips in. Screen blanking is off because a
# recording may run longer than its default ten minutes.
write_config() {
  cat >"$1" <<'EOF'
Section "ServerFlags"
  Option "AutoAddDevices" "false"
  Option "AutoEnableDevices" "false"
  Option "DontVTSwitch" "true"
  Option "BlankTime" "0"
  Option "StandbyTime" "0"
  Option "SuspendTime" "0"
  Option "OffTime" "0"
EndSection

Section "Monitor"
  Identifier "Monitor0"
  HorizSync 59.5-60.5
  VertRefresh 74.5-75.5
  Modeline "1024x768_75" 78.75 1024 1040 1136 1312 768 769 772 800 +hsync +vsync
  Option "DefaultModes" "false"
EndSection

Section "Device"
  Identifier "Card0"
  Driver "dummy"
  VideoRam 256000
  Option "Monitor-DUMMY0" "Monitor0"
EndSection

Section "Screen"
  Identifier "Screen0"
  Device "Card0"
  Monitor "Monitor0"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Modes "1024x768_75"
    Virtual 1024 768
  EndSubSection
EndSection

Section "ServerLayout"
  Identifier "Layout0"
  Screen "Screen0"
EndSection
EOF
}

lock_owner() {
  tr -d ' \n' <"/tmp/.X$1-lock" 2>/dev/null
}

# Starts Xorg on display $1 with the files in folder $2 and prints its pid.
# The pid comes from a shell that then becomes Xorg, since under sudo $!
# would be sudo's own.
launch() {
  rm -f "$2/pid"
  # shellcheck disable=SC2016 # $$ and $0 belong to the inner shell
  $as_root sh -c 'echo $$ >"$0"; exec Xorg "$@"' "$2/pid" ":$1" \
    -config "$2/xorg.conf" -logfile "$2/xorg.log" \
    -noreset -nolisten tcp -novtswitch -sharevts \
    </dev/null >"$2/xorg.out" 2>&1 &
  i=0
  while [ ! -s "$2/pid" ] && [ $i -lt 100 ]; do
    sleep 0.05
    i=$((i + 1))
  done
  cat "$2/pid" 2>/dev/null
}

# Waits until the server on display $1 answers and its lock names pid $2.
# Status 0 when it does, 1 when the server ended, 2 when it never answered.
await_server() {
  i=0
  while [ $i -lt 300 ]; do
    alive "$2" || return 1
    if [ "$(lock_owner "$1")" = "$2" ] && xdpyinfo -display ":$1" >/dev/null 2>&1; then
      return 0
    fi
    sleep 0.1
    i=$((i + 1))
  done
  return 2
}

# Whether the server that just ended lost its display number to another one.
display_taken() {
  grep -q -e "already active" -e "listening sockets" "$1/xorg.out" "$1/xorg.log" 2>/dev/null
}

show_errors() {
  grep -h -e "(EE)" -e "Fatal" "$1/xorg.out" "$1/xorg.log" 2>/dev/null | head -n 8 >&2
}

# Each starter begins at its own random number and moves on when Xorg's lock
# shows the number taken, so concurrent starters never share a display.
start_server() {
  need_programs
  need_root
  if [ -n "${1:-}" ]; then
    dir=$1
    mkdir -p "$dir" || exit 1
    rm -f "$dir/made-by-xserver-sh"
  else
    dir=$(mktemp -d "$tmp_root/velmora-xserver.XXXXXX") || exit 1
    : >"$dir/made-by-xserver-sh"
  fi
  write_config "$dir/xorg.conf"
  number=${XSERVER_FIRST_DISPLAY:-$(( $(od -An -N2 -tu2 /dev/urandom | tr -d ' ') % 700 + 200 ))}
  number=$((number - 1))
  tries=0
  while [ $tries -lt 20 ]; do
    tries=$((tries + 1))
    number=$((number + 1))
    [ $number -ge 900 ] && number=200
    if [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; then
      continue
    fi
    pid=$(launch "$number" "$dir")
    if [ -z "$pid" ]; then
      say "Xorg did not start"
      show_errors "$dir"
      break
    fi
    await_server "$number" "$pid"
    case $? in
      0)
        if [ -n "${XSERVER_OWNER:-}" ]; then
          # exec, not a redirection of the call: dash would keep a copy of
          # stdout open in the watcher, and a caller reading it would wait forever.
          (
            exec </dev/null >/dev/null 2>&1
            watch_owner "$XSERVER_OWNER" "$pid"
          ) &
          echo $! >"$dir/watcher"
        fi
        echo "DISPLAY=:$number"
        echo "PID=$pid"
        echo "LOG=$dir/xorg.log"
        return 0
        ;;
      1)
        display_taken "$dir" && continue
        say "Xorg on :$number ended before it answered"
        show_errors "$dir"
        break
        ;;
      *)
        say "Xorg on :$number did not answer within 30 s"
        stop_server "$pid" >/dev/null 2>&1
        break
        ;;
    esac
  done
  [ $tries -ge 20 ] && say "no free display number found in 20 tries"
  [ -e "$dir/made-by-xserver-sh" ] && rm -rf "$dir"
  exit 1
}

# The folder a running server of ours was started with: the one holding its
# -config file, whose pid file names that server.
server_dir() {
  d=$(tr '\0' '\n' <"/proc/$1/cmdline" 2>/dev/null | sed -n '/^-config$/{n;p;q;}')
  d=$(dirname "${d:-/nonexistent/x}")
  [ "$(cat "$d/pid" 2>/dev/null)" = "$1" ] && echo "$d"
}

send_signal() {
  kill "-$1" "$2" 2>/dev/null || $as_root kill "-$1" "$2" 2>/dev/null
}

stop_server() {
  spid=$1
  case $spid in
    '' | *[!0-9]*) say "stop needs a process id, not '$spid'"; exit 2 ;;
  esac
  if alive "$spid"; then
    sdir=$(server_dir "$spid")
    if [ -z "$sdir" ]; then
      say "process $spid is not a server this script started; left alone"
      exit 1
    fi
    [ "$(id -u)" -eq 0 ] || need_root
    [ -s "$sdir/watcher" ] && kill "$(cat "$sdir/watcher")" 2>/dev/null
    send_signal TERM "$spid"
    if ! wait_gone "$spid" 50; then
      send_signal KILL "$spid"
      wait_gone "$spid" 20 || { say "process $spid did not end"; exit 1; }
    fi
  else
    # Already ended: only its folder is left to find.
    sdir=""
    for f in "$tmp_root"/velmora-xserver.*/pid; do
      [ "$(cat "$f" 2>/dev/null)" = "$spid" ] && sdir=$(dirname "$f")
    done
  fi
  if [ -n "$sdir" ] && [ -e "$sdir/made-by-xserver-sh" ]; then
    rm -rf "$sdir"
  fi
  return 0
}

case "${1:-}" in
  start) start_server "${2:-}" ;;
  stop) stop_server "${2:-}" ;;
  run) shift; run_with_server "$@" ;;
  *)
    echo "usage: $me start [DIR] | stop PID | run [--] COMMAND [ARGS...]" >&2
    exit 2
    ;;
esac
