#!/usr/bin/env bash
# Builds everything and runs every test: the normal build, the AddressSanitizer
# and UndefinedBehaviorSanitizer build of everything that builds without Qt (the
# compiler, the interpreter and the editor with its control), and
# each fuzz target for a bounded time.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== build and tests"
"$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
(cd "$root/build" && ctest --output-on-failure -j "$jobs" --timeout 300)

echo "== sanitizer build (ASan + UBSan) of everything without Qt"
"$root/scripts/build.sh" "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DKAU_SANITIZE=ON -DCMAKE_CXX_COMPILER=g++ -DKAU_WITH_QT=OFF
(cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j "$jobs" --timeout 600)

if [ -f "$root/fuzz/CMakeLists.txt" ]; then
  echo "== fuzz targets, ${KAU_FUZZ_SECONDS:-20} s each"
  CC=clang CXX=clang++ "$root/scripts/build.sh" "$root/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKAU_FUZZ=ON -DKAU_TESTS=OFF -DKAU_WITH_QT=OFF
  "$root/fuzz/run_all.sh" "$root/build-fuzz/fuzz" "${KAU_FUZZ_SECONDS:-20}"
fi
echo "== all tests passed"
