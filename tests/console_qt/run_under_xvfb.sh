#!/bin/sh
# Runs a program in a real X server (Xvfb); skipped (77) where xvfb-run or
# xdotool is missing.
#   run_under_xvfb.sh PROGRAM ARGUMENTS...
if ! command -v xvfb-run >/dev/null 2>&1 || ! command -v xdotool >/dev/null 2>&1; then
  echo "xvfb-run or xdotool is missing: the real-window check is skipped"
  exit 77
fi
exec env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1024x768x24" "$@"
