#!/bin/sh
# The program end to end on an X display: types a program into the editor
# window, runs it with F9, answers its readln and the wait after its end with
# Enters in the console window, then checks the console's dump and keeps a
# screenshot of the whole screen. Then opens Leiame.txt with an xdg-open that
# waits as a viewer does, and quits from the menu: the program ends with
# status 0 and leaves xdg-open running, with nothing said about it.
#   pascalkau_x11.sh PASCALKAU SCREENSHOT_DIR
set -u
. "$(dirname "$0")/../support/hang_bound.sh"
pascalkau=$1
shots=$2
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; [ -s "$work/viewer.pid" ] && kill "$(cat "$work/viewer.pid")" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/config" "$work/bin" "$shots"
rm -f "$shots/pascalkau_x11_failure.png"

fail() {
  echo "FAIL: $*"
  command -v import >/dev/null 2>&1 && import -window root "$shots/pascalkau_x11_failure.png"
  exit 1
}

# Polls the command every 0.1 s up to the hang bound; whether it succeeded.
until_true() {
  for _ in $(seq $((hang_seconds * 10))); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# The first visible window whose title matches, waited for up to the hang
# bound.
window() {
  for _ in $(seq $((hang_seconds * 10))); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$found" ] && { echo "$found"; return 0; }
    sleep 0.1
  done
  return 1
}

has_keys() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
focused() { xdotool windowfocus "$1" 2>/dev/null; has_keys "$1"; }
# The message box that has the keys, other than the one given.
box_with_keys() {
  box=$(xdotool search --onlyvisible --name '^Pascal KAU!$' 2>/dev/null | grep -vx "${1:-none}" | head -n 1)
  [ -n "$box" ] && has_keys "$box"
}
# An Enter whenever the console has the keys, until the run has ended (its
# dump is written then): readln and the wait after the end take one each.
enter_until_dump() {
  [ -s dump.txt ] && return 0
  has_keys "$console" && xdotool key Return
  sleep 0.4
  return 1
}
# Whether the program has ended (a child that has ended stays as a zombie
# until it is waited for).
ended() {
  state=$(awk '{ print $3 }' "/proc/$pid/stat" 2>/dev/null)
  [ -z "$state" ] || [ "$state" = Z ]
}
# The Arquivo menu, opened by a click on its title, then its item reached by
# keys from the bottom.
arquivo() {
  xdotool mousemove --window "$main" 25 10 click 1
  xdotool key "$@"
}

# A viewer's xdg-open: it waits as long as the viewer it started is open.
cat >"$work/bin/xdg-open" <<EOF
#!/bin/sh
echo \$\$ >"$work/viewer.pid"
exec sleep 120
EOF
chmod +x "$work/bin/xdg-open"

cd "$work" || exit 1
PATH="$work/bin:$PATH" XDG_CONFIG_HOME="$work/config" PASCALKAU_CONSOLE_DUMP="$work/dump.txt" \
  "$pascalkau" 2>"$work/stderr.txt" &
pid=$!

main=$(window '^ Pascal KAU!$') || fail "the main window did not appear"
until_true focused "$main" || fail "the main window did not take the keys"
# A click in the editor window gives it the keys.
xdotool mousemove --window "$main" 300 200 click 1
xdotool key ctrl+t
for line in "program p;" "begin" "writeln('Ola'); readln;" "end."; do
  xdotool type --delay 30 "$line"
  xdotool key Return
done
xdotool key F9

console=$(window '^Console do Pascal KAU!$') || fail "the console window did not appear"
until_true enter_until_dump || fail "no console dump"
until_true has_keys "$main" || fail "the main window did not get the keys back"
command -v import >/dev/null 2>&1 && import -window root "$shots/pascalkau_x11.png"

row1=$(sed -n 1p dump.txt)
row24=$(sed -n 24p dump.txt)
[ "$row1" = "Ola" ] || fail "row 1 is '$row1'"
case "$row24" in
  " ███ Pascal KAU!"*) ;;
  *) fail "row 24 is '$row24'" ;;
esac

# Leiame.txt, then Sair: Não for the unsaved program, Sim to quit.
arquivo Up Up Return
until_true test -s "$work/viewer.pid" || fail "xdg-open was not started"
viewer=$(cat "$work/viewer.pid")
arquivo Up Return
until_true box_with_keys || fail "no question about the unsaved program"
unsaved=$box
xdotool key n
until_true box_with_keys "$unsaved" || fail "no question whether to quit"
xdotool key s
until_true ended || fail "the program did not end"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status: $(cat "$work/stderr.txt")"
! grep -q "Destroyed while process" "$work/stderr.txt" || fail "$(cat "$work/stderr.txt")"
kill -0 "$viewer" 2>/dev/null || fail "xdg-open did not outlive the program"
echo "PASS"
