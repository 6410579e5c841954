program tela;
var c: char; i: integer;
begin
  clrscr;
  textcolor(yellow);
  textbackground(blue);
  gotoxy(10, 5);
  write('texto');
  textcolor(red + blink);
  gotoxy(1, 6);
  writeln('linha');
  delay(10);
  c := readkey;
  writeln('tecla ', c);
  c := readkey;
  writeln('tecla ', ord(c));
  readln;
  readkey;
  i := random(10);
  writeln(i >= 0, ' ', i < 10);
  randomize;
  writeln('fim');
end.
