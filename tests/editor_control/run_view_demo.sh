#!/bin/sh
# Runs the editor view program in a real X window under Xvfb and keeps its
# screenshot. Skipped (77) where xvfb-run is missing.
#   run_view_demo.sh PROGRAM FILE PNG
if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "xvfb-run is missing: the real-window check is skipped"
  exit 77
fi
mkdir -p "$(dirname "$3")"
exec env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 800x600x24" "$1" "$2" --screenshot "$3"
