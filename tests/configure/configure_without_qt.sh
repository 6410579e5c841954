#!/bin/sh
# Configures the project into temporary folders with Qt 6 hidden:
# with the windows asked for (the default) configuring must stop with the
# message naming scripts/deps.sh and -DKAU_WITH_QT=OFF; with -DKAU_WITH_QT=OFF
# it must configure, and a library of it build.
#   configure_without_qt.sh CMAKE SOURCE_DIR
set -u
cmake=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*"
  exit 1
}

if "$cmake" -S "$source" -B "$work/default" -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON >"$work/default.log" 2>&1; then
  cat "$work/default.log"
  fail "configuring without Qt 6 succeeded"
fi
# CMake wraps the message's lines: look at it as one line.
tr -s '\n ' '  ' <"$work/default.log" >"$work/message.txt"
for expected in "Qt 6 (Core, Gui, Widgets, PrintSupport) was not found" "scripts/deps.sh" "-DKAU_WITH_QT=OFF"; do
  grep -qF -- "$expected" "$work/message.txt" || { cat "$work/default.log"; fail "no '$expected' in the message"; }
done

"$cmake" -S "$source" -B "$work/without" -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DKAU_WITH_QT=OFF \
  >"$work/without.log" 2>&1 || { cat "$work/without.log"; fail "configuring with -DKAU_WITH_QT=OFF failed"; }
grep -q "pascalkau" "$work/without/CMakeFiles/TargetDirectories.txt" && fail "pascalkau is configured without Qt"
grep -q "/kauc.dir" "$work/without/CMakeFiles/TargetDirectories.txt" || fail "kauc is not configured"
"$cmake" --build "$work/without" --target kau_text >"$work/build.log" 2>&1 || { cat "$work/build.log"; fail "kau_text did not build"; }
echo "PASS"
