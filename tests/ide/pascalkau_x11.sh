#!/bin/sh
# The program end to end on an X display: types a program into the editor
# window, runs it with F9, answers its readln and the wait after its end with
# two Enters in the console window, then checks the console's dump and keeps
# a screenshot of the whole screen.
#   pascalkau_x11.sh PASCALKAU SCREENSHOT_DIR
set -u
pascalkau=$1
shots=$2
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/config" "$shots"
rm -f "$shots/pascalkau_x11_failure.png"

fail() {
  echo "FAIL: $*"
  command -v import >/dev/null 2>&1 && import -window root "$shots/pascalkau_x11_failure.png"
  exit 1
}

# The first visible window whose title matches, waited for up to 30 s.
window() {
  for _ in $(seq 300); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$found" ] && { echo "$found"; return 0; }
    sleep 0.1
  done
  return 1
}

cd "$work" || exit 1
XDG_CONFIG_HOME="$work/config" PASCALKAU_CONSOLE_DUMP="$work/dump.txt" "$pascalkau" &
pid=$!

main=$(window '^ Pascal KAU!$') || fail "the main window did not appear"
sleep 1
xdotool windowfocus --sync "$main"
# A click in the editor window gives it the keys.
xdotool mousemove --window "$main" 300 200 click 1
sleep 0.3
xdotool key ctrl+t
for line in "program p;" "begin" "writeln('Ola'); readln;" "end."; do
  xdotool type --delay 30 "$line"
  xdotool key Return
done
sleep 0.3
xdotool key F9

console=$(window '^Console do Pascal KAU!$') || fail "the console window did not appear"
sleep 2
for _ in 1 2; do
  xdotool windowfocus --sync "$console"
  xdotool key Return
  sleep 1
done

# The dump is written when the run ends.
for _ in $(seq 100); do
  [ -s dump.txt ] && break
  sleep 0.1
done
[ -s dump.txt ] || fail "no console dump"
sleep 1
command -v import >/dev/null 2>&1 && import -window root "$shots/pascalkau_x11.png"

row1=$(sed -n 1p dump.txt)
row24=$(sed -n 24p dump.txt)
[ "$row1" = "Ola" ] || fail "row 1 is '$row1'"
case "$row24" in
  " ███ Pascal KAU!"*) ;;
  *) fail "row 24 is '$row24'" ;;
esac
echo "PASS"
