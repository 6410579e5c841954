#!/usr/bin/env bash
# Runs one test program through kauc and compares what it printed.
#   run_program.sh KAUC PROGRAM.pas
# Beside PROGRAM.pas: PROGRAM.out expected standard output (empty when absent),
# PROGRAM.err expected standard error (not checked when absent), PROGRAM.status
# expected exit status (0 when absent), PROGRAM.in standard input (empty when
# absent), PROGRAM.args the kauc command and options (default "run"),
# PROGRAM.files/ copied into the empty folder the program runs in.
set -u
. "$(dirname "$0")/../support/hang_bound.sh"
kauc=$1
program=$2
stem=${program%.pas}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

[ -d "$stem.files" ] && cp -r "$stem.files/." "$work/"
input=/dev/null
[ -f "$stem.in" ] && input=$stem.in
args=run
[ -f "$stem.args" ] && args=$(cat "$stem.args")
expected_status=0
[ -f "$stem.status" ] && expected_status=$(tr -d '[:space:]' < "$stem.status")

# shellcheck disable=SC2086
(cd "$work" && timeout "$hang_seconds" "$kauc" $args "$program" < "$input" > "$work/.stdout" 2> "$work/.stderr")
status=$?

failed=0
if [ "$status" != "$expected_status" ]; then
  echo "exit status $status, expected $expected_status"
  failed=1
fi
if [ -f "$stem.out" ]; then
  if ! cmp -s "$work/.stdout" "$stem.out"; then
    echo "standard output differs:"; diff <(cat -A "$stem.out") <(cat -A "$work/.stdout") | head -40
    failed=1
  fi
elif [ -s "$work/.stdout" ]; then
  echo "unexpected standard output:"; head -20 "$work/.stdout"; failed=1
fi
if [ -f "$stem.err" ] && ! cmp -s "$work/.stderr" "$stem.err"; then
  echo "standard error differs:"; diff <(cat -A "$stem.err") <(cat -A "$work/.stderr") | head -20
  failed=1
fi
if [ "$failed" = 1 ] && [ -s "$work/.stderr" ]; then
  echo "standard error was:"; head -20 "$work/.stderr"
fi
exit $failed
