#!/usr/bin/env bash
# Runs the X11 smoke suite on an X server of its own, so it needs no display from
# whoever runs the tests: Xvfb alone ("plain"), with the xcompmgr compositor
# ("compositor"), or under the openbox window manager ("openbox"). Every wait is
# bounded, and whatever this script started is ended by its process id.
set -u
mode=${1:?mode: plain, compositor or openbox}
suite=${2:?the suite executable}
shift 2

started=()
workdir=$(mktemp -d)
finish() {
  for pid in "${started[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${started[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$workdir"
}
trap finish EXIT

# Waits up to $1 tenths of a second for the command that follows to succeed.
wait_for() {
  local tenths=$1
  shift
  for ((i = 0; i < tenths; i++)); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  return 1
}

# Xvfb chooses a free display number itself and writes it out, so parallel runs
# never race for one.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$workdir/display" 2>"$workdir/xvfb.log" &
started+=($!)
if ! wait_for 100 test -s "$workdir/display"; then
  echo "run-x11-suite: Xvfb did not start" >&2
  cat "$workdir/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$(head -n1 "$workdir/display")"
export X11_SMOKE_MODE=$mode

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }

case "$mode" in
  plain) ;;
  compositor)
    xcompmgr >"$workdir/xcompmgr.log" 2>&1 &
    started+=($!)
    ;;
  openbox)
    # Openbox announces itself before it has read its configuration and set up, and
    # map requests wait until then; its start-up command runs once it is ready.
    openbox --sm-disable --startup "touch '$workdir/openbox-ready'" >"$workdir/openbox.log" 2>&1 &
    started+=($!)
    if ! wait_for 100 test -e "$workdir/openbox-ready" || ! wait_for 100 wm_running; then
      echo "run-x11-suite: openbox did not start" >&2
      cat "$workdir/openbox.log" >&2
      exit 1
    fi
    ;;
  *)
    echo "run-x11-suite: unknown mode $mode" >&2
    exit 2
    ;;
esac

"$suite" "$@"
