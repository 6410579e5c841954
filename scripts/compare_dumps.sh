#!/usr/bin/env bash
# Compiles every Pascal program of the source tree with two builds of kauc and
# compares what `kauc dump` gives: the word code, or the error text and exit
# status of a program that does not compile. For changes to the compiler that
# must not change its output (renaming, moving code): build the commit before
# the change, then
#   scripts/compare_dumps.sh OLD_KAUC NEW_KAUC
# Prints each program whose dump differs; exits 1 when any does.
set -u
if [ $# -ne 2 ]; then
  echo "usage: $0 OLD_KAUC NEW_KAUC" >&2
  exit 3
fi
old=$1
new=$2
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

dump() {  # KAUC PROGRAM OUTPUT: standard output, standard error, status
  "$1" dump "$2" > "$3" 2>&1 < /dev/null
  printf '\nstatus %d\n' "$?" >> "$3"
}

count=0
differ=0
while IFS= read -r -d '' program; do
  count=$((count + 1))
  dump "$old" "$program" "$work/old"
  dump "$new" "$program" "$work/new"
  if ! cmp -s "$work/old" "$work/new"; then
    differ=$((differ + 1))
    echo "differs: ${program#"$root"/}"
    diff "$work/old" "$work/new" | head -n 10
  fi
done < <(find "$root" -path "$root/build*" -prune -o -name '*.pas' -print0 | sort -z)

echo "$count programs, $differ with a different dump"
[ "$count" -gt 0 ] && [ "$differ" -eq 0 ]
