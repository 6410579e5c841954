#!/bin/sh
# On the current X display: starts the window manager NAME, waits until it
# has taken the screen, runs the program with KAU_X11_WINDOW_MANAGER=NAME,
# then stops the manager. Skipped (77) when the manager does not start.
#   under_window_manager.sh NAME PROGRAM [ARGUMENTS...]
. "$(dirname "$0")/../support/hang_bound.sh"
manager=$1
shift
"$manager" >/dev/null 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null' EXIT
# A manager announces itself on the root window (EWMH).
for _ in $(seq $((hang_seconds * 10))); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
  echo "$manager did not start: the X tests under a window manager are skipped"
  exit 77
fi
KAU_X11_WINDOW_MANAGER=$manager "$@"
status=$?
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
exit $status
