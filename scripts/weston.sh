#!/bin/sh
# A private weston compositor on its headless backend (1920x1080, drawn by
# its pixman renderer so that it can be photographed) with Xwayland: the X
# server of a Wayland desktop, for running the game there in tests. The
# headless backend has no seat, so xdotool's absolute mousemove (a pointer
# warp on the root window) brings this Xwayland down: move the pointer with
# mousemove_relative here.
#
#   weston.sh start [DIR]      start one; prints DISPLAY=:N, PID=P, LOG=FILE,
#                              WAYLAND_DISPLAY=NAME and XDG_RUNTIME_DIR=DIR
#   weston.sh stop PID         stop that weston (and its Xwayland) and remove
#                              the folder start made
#   weston.sh run [--] CMD...  run CMD with DISPLAY set, stopped whatever happens
#   weston.sh shot PID FILE    photograph the whole compositor output into FILE (PNG)
#
# Exits 77 with one line on stderr when weston or Xwayland is missing.
# WESTON_WIDTH / WESTON_HEIGHT change the output size.
# XSERVER_OWNER=PID makes the compositor stop by itself once process PID has ended.
#
# weston chooses the X display number itself (the lowest free one, from :0
# up, guarded by /tmp/.X<N>-lock), so concurrent starts never share one; it
# is read from weston's log. Xwayland is spawned at the first X connection;
# start makes that connection, so the X server is up when start returns.
set -u

me="weston.sh"
tmp_root="${TMPDIR:-/tmp}"

. "$(dirname "$0")/server_common.sh"

need_programs() {
  for p in weston Xwayland xdpyinfo; do
    if ! command -v "$p" >/dev/null 2>&1; then
      say "$p is missing (apt-get install weston xwayland x11-utils)"
      exit 77
    fi
  done
}

# No input method, no idle blanking, no screen lock; the X server on.
write_config() {
  cat >"$1" <<'EOF'
[core]
idle-time=0
xwayland=true

[shell]
locking=false
panel-position=none
background-color=0xff204060

[input-method]
path=
EOF
}

# Waits until weston's log names the X display; prints its number.
await_display() {
  i=0
  while [ $i -lt 200 ]; do
    alive "$1" || return 1
    n=$(sed -n 's/.*xserver listening on display :\([0-9][0-9]*\).*/\1/p' "$2/weston.log" 2>/dev/null | tail -n 1)
    if [ -n "$n" ]; then
      echo "$n"
      return 0
    fi
    sleep 0.05
    i=$((i + 1))
  done
  return 2
}

# The first connection spawns Xwayland; waits until it answers.
await_xserver() {
  i=0
  while [ $i -lt 100 ]; do
    alive "$1" || return 1
    xdpyinfo -display ":$2" >/dev/null 2>&1 && return 0
    sleep 0.1
    i=$((i + 1))
  done
  return 2
}

start_server() {
  need_programs
  if [ -n "${1:-}" ]; then
    dir=$1
    mkdir -p "$dir" || exit 1
    rm -f "$dir/made-by-weston-sh"
  else
    dir=$(mktemp -d "$tmp_root/velmora-weston.XXXXXX") || exit 1
    : >"$dir/made-by-weston-sh"
  fi
  # Wayland sockets live in XDG_RUNTIME_DIR, which must be private.
  mkdir -p "$dir/run" && chmod 700 "$dir/run" || exit 1
  # Without this folder weston 10 cannot bind the X socket and crashes.
  if [ ! -d /tmp/.X11-unix ]; then
    mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix
  fi
  write_config "$dir/weston.ini"
  rm -f "$dir/weston.log"
  socket="velmora-$$-$(od -An -N2 -tu2 /dev/urandom | tr -d ' ')"
  # --debug allows weston-screenshooter; the shell's pid is weston's after exec.
  # shellcheck disable=SC2016 # $$ belongs to the inner shell
  XDG_RUNTIME_DIR="$dir/run" sh -c 'echo $$ >"$0/pid"; exec weston "$@"' "$dir" \
    --backend=headless-backend.so --use-pixman \
    --width="${WESTON_WIDTH:-1920}" --height="${WESTON_HEIGHT:-1080}" \
    --xwayland --idle-time=0 --debug --socket="$socket" \
    --config="$dir/weston.ini" --log="$dir/weston.log" \
    </dev/null >"$dir/weston.out" 2>&1 &
  i=0
  while [ ! -s "$dir/pid" ] && [ $i -lt 100 ]; do
    sleep 0.05
    i=$((i + 1))
  done
  pid=$(cat "$dir/pid" 2>/dev/null)
  if [ -z "$pid" ]; then
    say "weston did not start"
  elif ! number=$(await_display "$pid" "$dir"); then
    say "weston did not offer an X display"
    tail -n 5 "$dir/weston.log" "$dir/weston.out" >&2 2>/dev/null
    stop_server "$pid" >/dev/null 2>&1
  elif ! await_xserver "$pid" "$number"; then
    say "Xwayland on :$number did not answer within 10 s"
    tail -n 5 "$dir/weston.log" "$dir/weston.out" >&2 2>/dev/null
    stop_server "$pid" >/dev/null 2>&1
  else
    if [ -n "${XSERVER_OWNER:-}" ]; then
      (
        exec </dev/null >/dev/null 2>&1
        watch_owner "$XSERVER_OWNER" "$pid"
      ) &
      echo $! >"$dir/watcher"
    fi
    echo "DISPLAY=:$number"
    echo "PID=$pid"
    echo "LOG=$dir/weston.log"
    echo "WAYLAND_DISPLAY=$socket"
    echo "XDG_RUNTIME_DIR=$dir/run"
    return 0
  fi
  [ -e "$dir/made-by-weston-sh" ] && rm -rf "$dir"
  exit 1
}

# The folder a running weston of ours was started with: the parent of its
# --config file, whose pid file names that weston.
server_dir() {
  d=$(tr '\0' '\n' <"/proc/$1/cmdline" 2>/dev/null | sed -n 's/^--config=//p' | head -n 1)
  d=$(dirname "${d:-/nonexistent/x}")
  [ "$(cat "$d/pid" 2>/dev/null)" = "$1" ] && echo "$d"
}

stop_server() {
  spid=$1
  case $spid in
    '' | *[!0-9]*) say "stop needs a process id, not '$spid'"; exit 2 ;;
  esac
  if alive "$spid"; then
    sdir=$(server_dir "$spid")
    if [ -z "$sdir" ]; then
      say "process $spid is not a weston this script started; left alone"
      exit 1
    fi
    [ -s "$sdir/watcher" ] && kill "$(cat "$sdir/watcher")" 2>/dev/null
    # weston ends its Xwayland and its helper clients itself on TERM.
    xw=$(pgrep -P "$spid" -x Xwayland)
    kill -TERM "$spid" 2>/dev/null
    if ! wait_gone "$spid" 50; then
      kill -KILL "$spid" 2>/dev/null
      wait_gone "$spid" 20 || { say "process $spid did not end"; exit 1; }
    fi
    for x in $xw; do
      wait_gone "$x" 20 || kill -KILL "$x" 2>/dev/null
    done
    # After a KILL the lock and socket of its display stay behind.
    n=$(sed -n 's/.*xserver listening on display :\([0-9][0-9]*\).*/\1/p' "$sdir/weston.log" 2>/dev/null | tail -n 1)
    if [ -n "$n" ] && [ -e "/tmp/.X$n-lock" ] && [ "$(tr -d ' \n' <"/tmp/.X$n-lock")" = "$spid" ]; then
      rm -f "/tmp/.X$n-lock" "/tmp/.X11-unix/X$n"
    fi
  else
    sdir=""
    for f in "$tmp_root"/velmora-weston.*/pid; do
      [ "$(cat "$f" 2>/dev/null)" = "$spid" ] && sdir=$(dirname "$f")
    done
  fi
  if [ -n "$sdir" ] && [ -e "$sdir/made-by-weston-sh" ]; then
    rm -rf "$sdir"
  fi
  return 0
}

# weston-screenshooter writes wayland-screenshot-<time>.png into its working folder.
shot() {
  sdir=$(server_dir "${1:-x}")
  if [ -z "$sdir" ] || [ -z "${2:-}" ]; then
    say "shot needs the PID of a weston this script started and a file name"
    exit 2
  fi
  socket=$(tr '\0' '\n' <"/proc/$1/cmdline" | sed -n 's/^--socket=//p')
  work=$(mktemp -d "$sdir/shot.XXXXXX") || exit 1
  (cd "$work" && XDG_RUNTIME_DIR="$sdir/run" WAYLAND_DISPLAY="$socket" weston-screenshooter) >&2
  status=$?
  f=$(find "$work" -name '*.png' | head -n 1)
  if [ $status -ne 0 ] || [ -z "$f" ]; then
    say "weston-screenshooter failed"
    rm -rf "$work"
    exit 1
  fi
  mv "$f" "$2" && rm -rf "$work"
}

case "${1:-}" in
  start) start_server "${2:-}" ;;
  stop) stop_server "${2:-}" ;;
  run) shift; run_with_server "$@" ;;
  shot) shot "${2:-}" "${3:-}" ;;
  *)
    echo "usage: $me start [DIR] | stop PID | run [--] COMMAND [ARGS...] | shot PID FILE.png" >&2
    exit 2
    ;;
esac
