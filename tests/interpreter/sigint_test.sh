#!/usr/bin/env bash
# SIGINT during an endless loop, a READ and a DELAY ends the run within a
# second with the Ctrl+C text on standard error and exit status 1.
#   sigint_test.sh KAUC
set -u
kauc=$1
work=$(mktemp -d)
trap 'exec 3>&-; rm -rf "$work"' EXIT
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
expected=$' => Detectado CTRL+ C durante a execução do programa! \n => A execução foi interrompida!'
mkfifo input
exec 3<>input   # keeps the pipe open, so the READ waits

failed=0
for program in loop.pas wait.pas pause.pas; do
  "$kauc" run "$program" < input > out.txt 2> err.txt &
  pid=$!
  sleep 0.5
  kill -INT "$pid"
  for _ in $(seq 20); do
    kill -0 "$pid" 2> /dev/null || break
    sleep 0.05
  done
  if kill -0 "$pid" 2> /dev/null; then
    echo "$program: still running one second after SIGINT"
    kill -KILL "$pid"
    failed=1
    continue
  fi
  wait "$pid"
  status=$?
  [ "$status" = 1 ] || { echo "$program: exit status $status, expected 1"; failed=1; }
  [ "$(cat err.txt)" = "$expected" ] || { echo "$program: standard error was:"; cat err.txt; failed=1; }
done
exit $failed
