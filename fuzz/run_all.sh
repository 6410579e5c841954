#!/usr/bin/env bash
# Runs every built fuzz target for a bounded time.
#   fuzz/run_all.sh BUILD_FUZZ_DIR SECONDS
# A target's corpus is fuzz/corpus/NAME (kept in the repository, read only
# here: new inputs go to a scratch copy).
set -eu
dir=$1
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
status=0
count=0
for target in "$dir"/*_fuzz; do
  [ -x "$target" ] || continue
  count=$((count + 1))
  name=$(basename "$target")
  scratch=$(mktemp -d)
  [ -d "$here/corpus/$name" ] && cp -r "$here/corpus/$name/." "$scratch/"
  echo "-- $name"
  # An input of the interpreter's targets may spend its whole instruction
  # budget on long string and block moves, which takes seconds under the
  # sanitizers; the budget, not this timeout, is what bounds a run.
  if ! "$target" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=4096 -print_final_stats=0 \
       "$scratch" > "$scratch.log" 2>&1; then
    tail -40 "$scratch.log"
    status=1
  fi
  rm -rf "$scratch" "$scratch.log"
done
# A build that made no target has fuzzed nothing: that is no pass.
if [ "$count" -eq 0 ]; then
  echo "no fuzz target in $dir"
  exit 1
fi
exit $status
