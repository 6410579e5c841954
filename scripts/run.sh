#!/usr/bin/env bash
# Builds Pascal KAU! and starts it.
#   scripts/run.sh [PROGRAMA.pas]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=Release -DKAU_TESTS=OFF
# Until the editor window can open a file, a program named here runs on the
# terminal; without one the windows open.
if [ $# -lt 1 ] && [ -x "$root/build/ide/pascalkau" ]; then
  exec "$root/build/ide/pascalkau"
fi
if [ $# -lt 1 ]; then
  echo "uso: scripts/run.sh PROGRAMA.pas" >&2
  exit 3
fi
# On a terminal it runs as from the windows (colours, the wait for Enter, the
# banner); redirected, its standard output is the program's output alone.
[ -t 1 ] && exec "$root/build/tools/kauc/kauc" run --console "$1"
exec "$root/build/tools/kauc/kauc" run "$1"
