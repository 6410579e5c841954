# Helpers of the end-to-end scripts that drive pascalkau under Xvfb with
# xdotool; sourced. Every wait polls with a bound. Set `shots` (the
# screenshot folder) and `screenshot` (the x11_screenshot program) first.

# Says what failed, keeps a screenshot of the screen, stops the script.
fail() {
  echo "FAIL: $*"
  shot "${failure_shot:-x11_failure}"
  exit 1
}

# Saves the whole screen as $shots/NAME.png.
shot() {
  [ -n "${screenshot:-}" ] && "$screenshot" "$shots/$1.png" 2>/dev/null
}

# The first visible window whose title matches, waited for up to 30 s.
window() {
  for _ in $(seq 300); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$found" ] && { echo "$found"; return 0; }
    sleep 0.1
  done
  return 1
}

# Waits up to 30 s until no visible window's title matches.
window_gone() {
  for _ in $(seq 300); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# Waits up to 30 s for a file that is not empty.
file_written() {
  for _ in $(seq 300); do
    [ -s "$1" ] && return 0
    sleep 0.1
  done
  return 1
}

# Starts openbox and waits up to 30 s until it manages the screen; its
# process id in wm_pid. Exits 77 (skipped) where openbox or xprop is missing.
start_window_manager() {
  for tool in openbox xprop; do
    command -v "$tool" >/dev/null 2>&1 || { echo "$tool is missing: the check with a window manager is skipped"; exit 77; }
  done
  openbox >/dev/null 2>&1 &
  wm_pid=$!
  for _ in $(seq 300); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  fail "openbox did not start"
}
