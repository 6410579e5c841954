#!/usr/bin/env bash
# Text files and standard output on a full disk (a 64 KB tmpfs) and in a
# read-only folder, through kauc and as a stand-alone executable: the run
# stops at the write, CLOSE or open that failed, with its run-time error and
# status 1, and never goes on to say that all went well.
#   full_disk_test.sh KAUC
# Mounting needs root (CI runs as root); the mounts live in a mount
# namespace of the test's own and vanish with it.
set -u
. "$(dirname "$0")/../support/hang_bound.sh"
kauc=$1
if [ "$(id -u)" != 0 ]; then
  echo "skipped: mounting a small file system needs root"
  exit 77
fi
if [ -z "${KAU_OWN_MOUNTS:-}" ]; then
  if ! unshare --mount true 2> /dev/null; then
    echo "skipped: cannot make a mount namespace of its own"
    exit 77
  fi
  KAU_OWN_MOUNTS=1 exec unshare --mount --propagation private bash "$0" "$@"
fi

work=$(mktemp -d)
trap 'umount "$work/cheio" "$work/leitura" 2> /dev/null; rm -rf "$work"' EXIT
cd "$work" || exit 1
mkdir cheio leitura
mount -t tmpfs -o size=64k tmpfs cheio || { echo "skipped: cannot mount a tmpfs"; exit 77; }
mount -t tmpfs -o size=64k tmpfs leitura || exit 1
echo velho > leitura/velho.txt
mount -o remount,ro leitura || exit 1

header=' => Erro de execução... ...'
write_failed="$header"$'\n => Não foi possível gravar no arquivo!'
close_failed="$header"$'\n => Não foi possível gravar o arquivo no comando CLOSE!'
rewrite_failed="$header"$'\n => Não foi possível abrir o arquivo no comando REWRITE!'
append_failed="$header"$'\n => Não foi possível abrir o arquivo no comando APPEND!'
output_lost=' => Não foi possível gravar a saída padrão!'

# 548,894 bytes into a file system of 65,536.
cat > grava.pas <<'PAS'
PROGRAM Grava;
VAR f: TEXT; i: INTEGER;
BEGIN
  ASSIGN(f, 'cheio/saida.txt');
  REWRITE(f);
  FOR i := 1 TO 20000 DO WRITELN(f, 'linha numero ', i, ' de um arquivo grande');
  CLOSE(f);
  WRITELN('gravado com sucesso');
END.
PAS
# One line, held in the buffer until CLOSE.
cat > linha.pas <<'PAS'
PROGRAM Linha;
VAR f: TEXT;
BEGIN
  ASSIGN(f, 'cheio/linha.txt');
  REWRITE(f);
  WRITELN(f, 'uma linha');
  WRITELN('antes');
  CLOSE(f);
  WRITELN('gravado com sucesso');
END.
PAS
cat > novo.pas <<'PAS'
PROGRAM Novo;
VAR f: TEXT;
BEGIN
  ASSIGN(f, 'leitura/novo.txt');
  WRITELN('antes');
  REWRITE(f);
  WRITELN('depois');
END.
PAS
cat > acrescenta.pas <<'PAS'
PROGRAM Acrescenta;
VAR f: TEXT;
BEGIN
  ASSIGN(f, 'leitura/velho.txt');
  WRITELN('antes');
  APPEND(f);
  WRITELN('depois');
END.
PAS
mkdir pasta
cat > pasta.pas <<'PAS'
PROGRAM Pasta;
VAR f: TEXT;
BEGIN
  ASSIGN(f, 'pasta');
  WRITELN('antes');
  REWRITE(f);
  WRITELN('depois');
END.
PAS
cat > sem_fim.pas <<'PAS'
PROGRAM SemFim;
BEGIN
  WHILE TRUE DO WRITELN('linha sem fim');
END.
PAS

failed=0
for program in grava linha novo acrescenta pasta sem_fim; do
  "$kauc" make "$program.pas" > /dev/null || { echo "make $program failed"; exit 1; }
done

# check WHAT EXPECTED_STATUS EXPECTED_OUT EXPECTED_ERR COMMAND...
check() {
  local what=$1 status=$2 out=$3 err=$4
  shift 4
  rm -f cheio/* 2> /dev/null
  timeout "$hang_seconds" "$@" < /dev/null > out.txt 2> err.txt
  local got=$?
  [ "$got" = "$status" ] || { echo "$what: exit status $got, expected $status"; failed=1; }
  [ "$(cat out.txt)" = "$out" ] || { echo "$what: standard output was:"; head -c 300 out.txt; echo; failed=1; }
  [ "$(cat err.txt)" = "$err" ] || { echo "$what: standard error was:"; cat err.txt; failed=1; }
}

for runner in kauc exe; do
  run() { if [ "$runner" = kauc ]; then echo "$kauc run $1.pas"; else echo "./$1.exe"; fi; }
  # shellcheck disable=SC2046
  {
    check "$runner: full disk" 1 "" "$write_failed" $(run grava)
    check "$runner: full disk at CLOSE" 1 "antes" "$close_failed" \
      sh -c 'head -c 1M /dev/zero > cheio/enche 2> /dev/null; exec "$@"' sh $(run linha)
    check "$runner: REWRITE in a read-only folder" 1 "antes" "$rewrite_failed" $(run novo)
    check "$runner: APPEND in a read-only folder" 1 "antes" "$append_failed" $(run acrescenta)
    check "$runner: REWRITE onto a folder" 1 "antes" "$rewrite_failed" $(run pasta)
  }
  # Standard output on the full disk, for a program that would never end.
  rm -f cheio/*
  if [ "$runner" = kauc ]; then
    timeout "$hang_seconds" "$kauc" run sem_fim.pas > cheio/tela.txt 2> err.txt
  else
    timeout "$hang_seconds" ./sem_fim.exe > cheio/tela.txt 2> err.txt
  fi
  got=$?
  [ "$got" = 1 ] || { echo "$runner: standard output on a full disk: exit status $got, expected 1"; failed=1; }
  [ "$(cat err.txt)" = "$output_lost" ] || {
    echo "$runner: standard output on a full disk: standard error was:"; cat err.txt; failed=1
  }
done
exit $failed
