#!/usr/bin/env bash
# Builds Pascal KAU! and starts it, opening PROGRAMA.pas when one is named.
#   scripts/run.sh [PROGRAMA.pas]
# The build folder build-release/ is this command's own: the test command's
# build/ has other options, and each command states every option it relies on,
# so the two run in either order without rebuilding each other's folder.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh" "$root/build-release" -DCMAKE_BUILD_TYPE=Release -DKAU_WITH_QT=ON -DKAU_TESTS=OFF \
  -DKAU_WERROR=OFF -DKAU_SANITIZE=OFF -DKAU_FUZZ=OFF
exec "$root/build-release/ide/pascalkau" "$@"
