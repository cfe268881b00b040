# The process helpers the private servers' scripts share (xserver.sh,
# weston.sh): sourced by them, after each defines `me`, start_server and
# stop_server. POSIX sh.

say() { echo "$me: $*" >&2; }

# Running, and not a zombie waiting for a parent that may never reap it.
alive() {
  [ -r "/proc/$1/stat" ] || return 1
  state=$(sed 's/^.*) //' "/proc/$1/stat" 2>/dev/null | cut -c1)
  [ -n "$state" ] && [ "$state" != "Z" ]
}

# Polls once a second; stops the server when its owner has gone.
watch_owner() {
  while alive "$1" && alive "$2"; do
    sleep 1
  done
  alive "$2" && "$0" stop "$2" >/dev/null 2>&1
}

wait_gone() {
  i=0
  while alive "$1" && [ $i -lt "$2" ]; do
    sleep 0.1
    i=$((i + 1))
  done
  ! alive "$1"
}

# The command runs in the background so that a signal to this script is
# handled at once, and is ended with the server.
run_with_server() {
  [ "${1:-}" = "--" ] && shift
  if [ $# -eq 0 ]; then
    say "run needs a command"
    exit 2
  fi
  started=$(XSERVER_OWNER=$$ start_server "") || exit $?
  server_pid=$(echo "$started" | sed -n 's/^PID=//p')
  DISPLAY=$(echo "$started" | sed -n 's/^DISPLAY=//p')
  export DISPLAY
  child=""
  trap 'stop_server "$server_pid"' EXIT
  trap '[ -n "$child" ] && kill -TERM "$child" 2>/dev/null; exit 130' INT
  trap '[ -n "$child" ] && kill -TERM "$child" 2>/dev/null; exit 143' TERM
  "$@" <&0 &
  child=$!
  wait "$child"
  status=$?
  child=""
  exit $status
}
