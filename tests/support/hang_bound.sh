# The one bound on every wait of the tests that gives up, in seconds. It only
# tells a hang from a slow run: a passing test never reaches it, on a loaded
# machine or under the sanitizers alike, so it is long and costs nothing.
# How fast something is belongs in bench/, never in a test's bound.
#
# The shell tests source this file; tests/CMakeLists.txt reads the same line
# for the C++ tests (tests/support/hang_bound.h).
hang_seconds=120
