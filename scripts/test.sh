#!/usr/bin/env bash
# Builds everything, warnings counted as errors, and runs every test: the
# normal build, the AddressSanitizer and UndefinedBehaviorSanitizer build of
# everything (the development environment with its offscreen and X tests
# included), and each fuzz target for a bounded time.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" test
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
# ctest's bound on a whole test program that names none of its own: a hang
# detector like the tests' own bound on each wait, and as tests/CMakeLists.txt
# sets it for the others.
. "$root/tests/support/hang_bound.sh"
test_timeout=$((hang_seconds * 5))

echo "== build and tests"
# Every option is stated, so that a folder configured otherwise by hand still
# builds and runs every test; a ctest that finds no test fails.
"$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKAU_WITH_QT=ON -DKAU_TESTS=ON \
  -DKAU_BENCH=ON -DKAU_WERROR=ON -DKAU_SANITIZE=OFF -DKAU_FUZZ=OFF
(cd "$root/build" && ctest --output-on-failure --no-tests=error -j "$jobs" --timeout "$test_timeout")

echo "== sanitizer build (ASan + UBSan) of everything, the windows and their tests included"
(
  # Qt is not instrumented and ASan's quarantine leaves freed bytes readable:
  # freed blocks are overwritten, so that Qt using a freed window fails here
  # even where it would not crash. Leaks inside system libraries are listed,
  # each with its reason, in lsan.supp; any error of UBSan stops the test.
  # intercept_tls_get_addr=0 is the sanitizer runtime's workaround for a fault
  # of its own: with __tls_get_addr intercepted it records every thread's
  # dynamic TLS blocks, and LeakSanitizer's tracer, walking those records at
  # a process's exit while one of Qt's threads is ending, can read one already
  # released and die with signal 11 ("Tracer caught signal 11") after every
  # test passed. The option only changes where the tracer looks for pointers;
  # it drops no report, so a leak still fails its test.
  export ASAN_OPTIONS=detect_leaks=1:max_free_fill_size=1048576:free_fill_byte=190:intercept_tls_get_addr=0
  export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  # The benchmarks are not run here: they are not built either.
  "$root/scripts/build.sh" "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DKAU_SANITIZE=ON -DCMAKE_CXX_COMPILER=g++ \
    -DKAU_WITH_QT=ON -DKAU_TESTS=ON -DKAU_BENCH=OFF -DKAU_WERROR=ON -DKAU_FUZZ=OFF
  cd "$root/build-asan" && ctest --output-on-failure --no-tests=error -j "$jobs" --timeout "$test_timeout"
)

if [ -f "$root/fuzz/CMakeLists.txt" ]; then
  echo "== fuzz targets, ${KAU_FUZZ_SECONDS:-20} s each"
  CC=clang CXX=clang++ "$root/scripts/build.sh" "$root/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKAU_FUZZ=ON -DKAU_TESTS=OFF -DKAU_WITH_QT=OFF -DKAU_WERROR=ON -DKAU_SANITIZE=OFF
  "$root/fuzz/run_all.sh" "$root/build-fuzz/fuzz" "${KAU_FUZZ_SECONDS:-20}"
fi
echo "== all tests passed"
