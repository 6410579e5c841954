#!/usr/bin/env bash
# Input far longer than any variable, under a memory limit smaller than the
# input, through kauc and as a stand-alone executable: a line of 600 MB in a
# text file (sparse, so quick to make) and a piped line of 256 MB give the
# string's 255 characters and the next READLN the next line; 256 MB of digits
# in a file or piped give " => Inteiro inválido!".
#   long_input_test.sh KAUC [MEMORY_LIMIT_KB]   (default 204800; "unlimited")
set -u
kauc=$1
limit=${2:-204800}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

truncate -s 600M line.txt
printf '\nsegunda\n' >> line.txt
head -c 256M /dev/zero | tr '\0' 7 > digits.txt
# program NAME STATEMENTS: made as well.
program() {
  printf 'program leitura;\nvar f: text; s: string; i: integer;\nbegin\n%s\nend.\n' "$2" > "$1.pas"
  "$kauc" make "$1.pas" > /dev/null || echo "$1: make failed"
}
program line "  assign(f, 'line.txt'); reset(f);
  readln(f, s); writeln(length(s)); readln(f, s); writeln(s);"
program digits "  assign(f, 'digits.txt'); reset(f); read(f, i); writeln(i);"
program keyboard_line "  readln(s); writeln(length(s)); readln(s); writeln(s);"
program keyboard_digits "  read(i); writeln(i);"
lines=$'255\nsegunda\n'
invalid=$' => Erro de execução... ...\n => Inteiro inválido!\n'

# run NAME FEED COMMAND...: in the background, under the limit, with what the
# command FEED writes as standard input.
declare -A pids
run() {
  local name=$1 feed=$2
  shift 2
  ("$feed" | (ulimit -v "$limit" && exec "$@") > "$name.out" 2> "$name.err") &
  pids[$name]=$!
}
line_feed() { head -c 256M /dev/zero | tr '\0' a; printf '\nsegunda\n'; }
digits_feed() { head -c 256M /dev/zero | tr '\0' 7; }
# check NAME STATUS OUT ERR: the outcome of a run.
check() {
  wait "${pids[$1]}"
  local status=$?
  [ "$status" = "$2" ] || { echo "$1: exit status $status, expected $2"; failed=1; }
  [ "$(cat "$1.out"; echo .)" = "$3." ] || { echo "$1: standard output was:"; cat "$1.out"; failed=1; }
  [ "$(cat "$1.err"; echo .)" = "$4." ] || { echo "$1: standard error was:"; cat "$1.err"; failed=1; }
}

for p in line:true digits:true keyboard_line:line_feed keyboard_digits:digits_feed; do
  run "${p%%:*}" "${p#*:}" "$kauc" run "${p%%:*}.pas"
  run "${p%%:*}.exe" "${p#*:}" "./${p%%:*}.exe"
done
failed=0
for name in line line.exe keyboard_line keyboard_line.exe; do check "$name" 0 "$lines" ""; done
for name in digits digits.exe keyboard_digits keyboard_digits.exe; do check "$name" 1 "" "$invalid"; done
exit $failed
