#!/usr/bin/env bash
# Configures and builds one build folder.
#   scripts/build.sh DIR [cmake options...]
set -eu
# Everything this prints is build output: it goes to standard error, so that
# the standard output of a caller such as run.sh is the program's alone.
exec >&2
dir=$1; shift
cmake -S "$(dirname "$0")/.." -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)"
