#!/bin/sh
# Printing to a PDF file as a student without a printer does, under a real X
# display: a click in the editor, Ctrl+P, the print dialog's "print to file"
# first with its own file name, then with a name typed into the dialog,
# Imprimir. Each PDF must hold the program with its line numbers in the
# margin; the second is rendered to a PNG beside the screenshots.
# With --wm the same runs under openbox, a small window manager.
#   print_pdf_x11.sh [--wm] PASCALKAU X11_SCREENSHOT SCREENSHOT_DIR
set -u
name=print_pdf_x11
[ "$1" = --wm ] && { name=print_pdf_x11_wm; shift; }
pascalkau=$1
screenshot=$2
shots=$3
for tool in pdftotext pdftoppm; do
  command -v "$tool" >/dev/null 2>&1 || { echo "$tool is missing: the check is skipped"; exit 77; }
done
. "$(dirname "$0")/x11_helpers.sh"
failure_shot=${name}_failure
work=$(mktemp -d)
pid=""
wm_pid=""
trap 'kill $pid $wm_pid 2>/dev/null; wait $pid $wm_pid 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/config" "$work/home/programas" "$work/home/impressos" "$shots"
rm -f "$shots/$failure_shot.png"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
[ "$name" = print_pdf_x11_wm ] && start_window_manager

# The dialog's own file name is print.pdf in the current folder, when that
# lies in the home folder.
cd "$HOME/programas" || exit 1
printf '%s\n' 'program Impresso;' 'var i: integer;' 'begin' '  for i := 1 to 3 do' \
  "    writeln('Linha impressa ', i);" 'end.' >impresso.pas
"$pascalkau" impresso.pas &
pid=$!
main=$(window '^ Pascal KAU! $') || fail "the main window did not appear"

# Prints through the dialog; $1: the file name to type, empty for the
# dialog's own; $2: the screenshot's name.
print_to() {
  xdotool windowfocus --sync "$main"
  # A click in the editor window gives it the keys.
  xdotool mousemove --window "$main" 400 250 click 1
  xdotool key ctrl+p
  dialog=$(window '^Imprimir$') || fail "Ctrl+P opened no print dialog"
  xdotool windowfocus --sync "$dialog"
  if [ -n "$1" ]; then
    # Tab goes from the printer's name to the output file, selecting it.
    xdotool key Tab
    xdotool type --delay 20 "$1"
  fi
  sleep 0.3
  shot "$2"
  xdotool key Return
  window_gone '^Imprimir$' || fail "the print dialog stayed open"
}

# The PDF holds the program, each line after its number.
check_pdf() {
  file_written "$1" || fail "no PDF $1"
  sleep 0.5
  pdftotext -layout "$1" "$work/listing.txt" || fail "pdftotext cannot read $1"
  n=0
  while IFS= read -r line; do
    n=$((n + 1))
    grep -qxF "$n: $line" "$work/listing.txt" ||
      sed 's/^ *//' "$work/listing.txt" | grep -qxF "$n: $line" ||
      { cat "$work/listing.txt"; fail "line $n is not printed as '$n: $line'"; }
  done <impresso.pas
  [ "$(ls -A "$(dirname "$1")" | grep -c '\.pdf\.')" -eq 0 ] || fail "a temporary file was left beside $1"
}

print_to "" "${name}_default_name"
check_pdf "$HOME/programas/print.pdf"

typed="$HOME/impressos/listagem.pdf"
print_to "$typed" "${name}_typed_name"
check_pdf "$typed"
xdotool search --onlyvisible --name '^Pascal KAU!$' >/dev/null 2>&1 && fail "a message box is shown"
pdftoppm -png -r 50 -singlefile "$typed" "$shots/${name}_page" || fail "pdftoppm cannot render $typed"
shot "$name"
echo "PASS"
