#!/bin/sh
# Runs the X tests on a fresh Xvfb display. Skipped (77) where xvfb-run,
# xdotool or xclip is missing.
#   run_x11.sh PROGRAM [GTEST ARGUMENTS...]
for tool in xvfb-run xdotool xclip; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is missing: the X tests are skipped"
    exit 77
  fi
done
exec env -u QT_QPA_PLATFORM LANG=C.UTF-8 xvfb-run -a -s "-screen 0 1024x768x24" "$@"
