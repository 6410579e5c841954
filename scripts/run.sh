#!/usr/bin/env bash
# Builds Pascal KAU! and starts it, opening PROGRAMA.pas when one is named.
#   scripts/run.sh [PROGRAMA.pas]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=Release -DKAU_TESTS=OFF
exec "$root/build/ide/pascalkau" "$@"
