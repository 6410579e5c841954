#!/usr/bin/env bash
# SIGINT during an endless loop, a READ and a DELAY ends the run with the
# Ctrl+C text on standard error and exit status 1; so it does
# during reads that never end (a line from /dev/zero or /dev/full, a number of
# endless digits from a file or the keyboard) and a RESET that waits for a
# FIFO's writer, through kauc and as a stand-alone executable, in bounded
# memory.
#   sigint_test.sh KAUC [MEMORY_LIMIT_KB]   (default 204800; "unlimited")
set -u
. "$(dirname "$0")/../support/hang_bound.sh"
kauc=$1
limit=${2:-204800}
work=$(mktemp -d)
trap 'exec 3>&- 4>&-; rm -rf "$work"' EXIT
cd "$work" || exit 1

cat > loop.pas <<'PAS'
program laco;
var i: integer;
begin
  i := 0;
  while true do i := i + 1;
end.
PAS
cat > wait.pas <<'PAS'
program espera;
var i: integer;
begin
  readln(i);
  writeln(i);
end.
PAS
cat > pause.pas <<'PAS'
program pausa;
begin
  delay(60000);
  writeln('fim');
end.
PAS
# reads NAME STATEMENTS VARIABLE: a program of one read, made as well.
reads() {
  printf 'program leitura;\nvar f: text; s: string; i: integer;\nbegin\n  %s\n  writeln(%s);\nend.\n' "$2" "$3" > "$1.pas"
  "$kauc" make "$1.pas" > /dev/null || echo "$1: make failed"
}
reads zero "assign(f, '/dev/zero'); reset(f); readln(f, s);" s
reads fifo "assign(f, 'fifo'); reset(f); readln(f, s);" s
reads digits "assign(f, 'digits'); reset(f); read(f, i);" i
reads line "readln(s);" s
reads number "read(i);" i
expected=$' => Detectado CTRL+ C durante a execução do programa! \n => A execução foi interrompida!'
mkfifo input fifo digits
exec 3<>input   # keeps the pipe open, so the READ waits
tr '\0' 7 < /dev/zero > digits &
exec 4< digits  # (the writer is open for good before the runs)

# ready PID running|waiting|reading: polls (at most the hang bound) until the
# run has its SIGINT handler and, for waiting, sleeps or, for reading, has
# read a megabyte. Until it execs the program, the process is a copy of this
# shell, whose own SIGINT handler is not the run's.
ready() {
  local status deadline=$((SECONDS + hang_seconds))
  while (( SECONDS < deadline )); do
    status=$(cat "/proc/$1/status" 2> /dev/null) || return
    if ! grep -q '^Name:\s*bash$' <<< "$status" && (( 0x$(sed -n 's/^SigCgt:\s*//p' <<< "$status") & 2 )); then
      case $2 in
        running) return ;;
        waiting) grep -q '^State:\s*S' <<< "$status" && return ;;
        reading) (( $(sed -n 's/^rchar: //p' "/proc/$1/io") > 1048576 )) && return ;;
      esac
    fi
    sleep 0.01
  done
}

failed=0
# interrupt WHEN INPUT COMMAND...
interrupt() {
  local when=$1 input=$2 name="${*:3}"
  shift 2
  (ulimit -v "$limit" && exec "$@") < "$input" > out.txt 2> err.txt &
  pid=$!
  ready "$pid" "$when"
  kill -INT "$pid"
  local deadline=$((SECONDS + hang_seconds))
  while kill -0 "$pid" 2> /dev/null && (( SECONDS < deadline )); do
    sleep 0.05
  done
  if kill -0 "$pid" 2> /dev/null; then
    echo "$name: still running $hang_seconds s after SIGINT"
    kill -KILL "$pid"
    failed=1
    return
  fi
  wait "$pid"
  status=$?
  [ "$status" = 1 ] || { echo "$name: exit status $status, expected 1"; failed=1; }
  [ "$(cat err.txt)" = "$expected" ] || { echo "$name: standard error was:"; cat err.txt; failed=1; }
}

interrupt running input "$kauc" run loop.pas
interrupt waiting input "$kauc" run wait.pas
interrupt waiting input "$kauc" run pause.pas
for program in "reading /dev/null zero" "waiting /dev/null fifo" "reading /dev/null digits" "reading /dev/full line"; do
  read -r when input name <<< "$program"
  interrupt "$when" "$input" "$kauc" run "$name.pas"
  interrupt "$when" "$input" "./$name.exe"
done
interrupt reading <(tr '\0' 7 < /dev/zero) "$kauc" run number.pas
interrupt reading <(tr '\0' 7 < /dev/zero) ./number.exe
exit $failed
