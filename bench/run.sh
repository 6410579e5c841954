#!/usr/bin/env bash
# Benchmarks kauc against Lua 5.4, Python 3 and Free Pascal (-O2) on the
# programs of bench/programs, measured side by side in one run, and the
# compiler against fpc on a generated large program, and the editor control
# against QScintilla at 1,000 to 1,000,000 lines.
#   bench/run.sh [RUNS]        RUNS timed runs per program and tool (default 5)
# Prints medians and ratios (kauc time / other time); needs the packages of
# `scripts/deps.sh bench`, which it installs when missing.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
runs=${1:-5}

"$root/scripts/deps.sh" bench
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build="$root/build-bench"
if ! "$root/scripts/build.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DKAU_WITH_QT=OFF -DKAU_TESTS=OFF \
     > "$work/build.log" 2>&1; then
  cat "$work/build.log"
  exit 1
fi
kauc="$build/tools/kauc/kauc"
programs=(fib sieve loops bubble strings mandel heap varparams)

median() {  # median wall-clock seconds of the runs in a hyperfine JSON export
  python3 -c 'import json,statistics,sys; print(statistics.median(json.load(open(sys.argv[1]))["results"][0]["times"]))' "$1"
}
cpu() {  # mean CPU seconds (user + system) of the runs in a hyperfine JSON export
  python3 -c 'import json,sys; r=json.load(open(sys.argv[1]))["results"][0]; print(r["user"]+r["system"])' "$1"
}
time_command() {  # time_command NAME COMMAND... : median seconds of the command
  local name=$1; shift
  hyperfine -N --warmup 1 --runs "$runs" --export-json "$work/$name.json" "$*" >/dev/null 2>&1
  median "$work/$name.json"
}

echo "Máquina / machine: $(nproc) x $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'); $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "Versões / versions: $(lua5.4 -v 2>&1 | cut -d' ' -f1-2), $(python3 --version), fpc $(fpc -iV)"
echo

status=0
declare -A seconds
printf '%-10s %9s %9s %9s %9s %10s %10s %10s\n' program kauc lua python fpc kauc/lua kauc/py kauc/fpc
for p in "${programs[@]}"; do
  src="$here/programs/$p"
  fpc -Mobjfpc -O2 -FE"$work" -o"$work/$p" "$src.pas" >/dev/null
  want=$("$kauc" run "$src.pas")
  for other in "lua5.4 $src.lua" "python3 $src.py" "$work/$p"; do
    got=$($other)
    if [ "$got" != "$want" ]; then
      echo "$p: checksum differs: kauc '$want', $other '$got'" >&2
      status=1
    fi
  done
  seconds[$p,kauc]=$(time_command "$p-kauc" "$kauc" run "$src.pas")
  seconds[$p,lua]=$(time_command "$p-lua" lua5.4 "$src.lua")
  seconds[$p,python]=$(time_command "$p-python" python3 "$src.py")
  seconds[$p,fpc]=$(time_command "$p-fpc" "$work/$p")
  python3 - "$p" "${seconds[$p,kauc]}" "${seconds[$p,lua]}" "${seconds[$p,python]}" "${seconds[$p,fpc]}" <<'PY'
import sys
name, k, l, p, f = sys.argv[1], *map(float, sys.argv[2:])
print(f"{name:<10} {k:9.3f} {l:9.3f} {p:9.3f} {f:9.3f} {k/l:10.2f} {k/p:10.2f} {k/f:10.2f}")
PY
done
python3 - "${programs[@]}" <<PY
import math, sys
t = {$(for p in "${programs[@]}"; do for w in kauc lua python fpc; do printf '("%s","%s"):%s,' "$p" "$w" "${seconds[$p,$w]}"; done; done)}
names = sys.argv[1:]
def geo(w):
    return math.exp(sum(math.log(t[(n, w)]) for n in names) / len(names))
k, l, p, f = geo("kauc"), geo("lua"), geo("python"), geo("fpc")
print(f"{'geo. mean':<10} {k:9.3f} {l:9.3f} {p:9.3f} {f:9.3f} {k/l:10.2f} {k/p:10.2f} {k/f:10.2f}")
PY
echo
echo "Tempo de CPU / CPU time (user + system, mean of the runs; less sensitive to a busy machine):"
printf '%-10s %9s %9s %9s %9s %10s %10s %10s\n' program kauc lua python fpc kauc/lua kauc/py kauc/fpc
python3 - "$work" "${programs[@]}" <<'PY'
import json, math, sys
work, names = sys.argv[1], sys.argv[2:]
def cpu(name, tool):
    r = json.load(open(f"{work}/{name}-{tool}.json"))["results"][0]
    return max(r["user"] + r["system"], 1e-4)
tools = ["kauc", "lua", "python", "fpc"]
logs = {t: 0.0 for t in tools}
for n in names:
    k, l, p, f = (cpu(n, t) for t in tools)
    for t, v in zip(tools, (k, l, p, f)):
        logs[t] += math.log(v)
    print(f"{n:<10} {k:9.3f} {l:9.3f} {p:9.3f} {f:9.3f} {k/l:10.2f} {k/p:10.2f} {k/f:10.2f}")
k, l, p, f = (math.exp(logs[t] / len(names)) for t in tools)
print(f"{'geo. mean':<10} {k:9.3f} {l:9.3f} {p:9.3f} {f:9.3f} {k/l:10.2f} {k/p:10.2f} {k/f:10.2f}")
PY

echo
echo "Compilação / compiling (kauc dump vs fpc -O2, median seconds):"
printf '%-14s %9s %9s %10s %14s\n' lines kauc fpc fpc/kauc "fpc/kauc cpu"
for lines in 10000 50000; do
  big="$work/grande$lines.pas"
  python3 "$here/large_program.py" "$lines" > "$big"
  k=$(time_command "dump$lines" "$kauc" dump "$big")
  f=$(time_command "fpc$lines" fpc -Mobjfpc -O2 -FE"$work" "$big")
  printf '%-14s %9.3f %9.3f %10.1f %14.1f\n' "$(wc -l < "$big")" "$k" "$f" "$(python3 -c "print($f/$k)")" \
    "$(python3 -c "print($(cpu "$work/fpc$lines.json")/$(cpu "$work/dump$lines.json"))")"
done

echo
# One run at constant memory: seconds and peak resident size (GNU time).
read -r secs kb < <(/usr/bin/time -f '%e %M' "$kauc" run "$here/heap_cycles.pas" 2>&1 >/dev/null | tail -1)
printf 'NEW/DISPOSE, 100,000,000 pairs (heap_cycles.pas): %.2f s, peak resident %.1f MB\n' "$secs" \
  "$(python3 -c "print($kb / 1024)")"
echo
cp "$here/programs/bubble.pas" "$work/feito.pas"
if "$kauc" make "$work/feito.pas" >/dev/null 2>&1 && [ -x "$work/feito.exe" ]; then
  k=$(time_command make "$kauc" make "$work/feito.pas")
  printf 'kauc make (bubble.pas): %.3f s; the executable runs it in %.3f s\n' "$k" "$(time_command made "$work/feito.exe")"
else
  echo "kauc make: not available in this build"
fi
echo
# The editor control against QScintilla (a benchmark-only peer), offscreen;
# a step past the cap of 60 s is shown as ">cap".
echo "Editor / editor control against QScintilla (bench/editor_peer):"
editor_build="$root/build-bench-editor"
if { cmake -S "$root" -B "$editor_build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKAU_BENCH_QSCINTILLA=ON &&
     cmake --build "$editor_build" --target editor_peer_bench -j "$(nproc)"; } > "$work/build-editor.log" 2>&1; then
  QT_QPA_PLATFORM=offscreen "$editor_build/bench/editor_peer/editor_peer_bench" --cap 60 1000 100000 1000000
else
  cat "$work/build-editor.log"
  status=1
fi
exit $status
