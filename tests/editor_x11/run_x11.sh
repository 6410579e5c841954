#!/bin/sh
# Runs the X tests on a fresh Xvfb display, without a window manager or, with
# --window-manager NAME, under that one (started first, stopped after).
# Skipped (77) where xvfb-run, xdotool, xclip or the window manager is
# missing.
#   run_x11.sh [--window-manager NAME] PROGRAM [GTEST ARGUMENTS...]
manager=
if [ "${1:-}" = --window-manager ]; then
  manager=$2
  shift 2
fi
for tool in xvfb-run xdotool xclip ${manager:+xprop "$manager"}; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is missing: the X tests are skipped (scripts/deps.sh installs it)"
    exit 77
  fi
done
if [ -n "$manager" ]; then
  exec env -u QT_QPA_PLATFORM LANG=C.UTF-8 xvfb-run -a -s "-screen 0 1024x768x24" \
    "$(dirname "$0")/under_window_manager.sh" "$manager" "$@"
fi
exec env -u QT_QPA_PLATFORM LANG=C.UTF-8 xvfb-run -a -s "-screen 0 1024x768x24" "$@"
