PROGRAM Arredonda;
{ Reals with decimals round halves away from zero, on the screen and in
  files alike; widths and the six decimals of a bare real are unchanged. }
VAR
  f: TEXT;
  linha: STRING;
  media: REAL;
BEGIN
  media := (6 + 7) / 2;
  WRITELN(2.5:0:0, ' ', -2.5:0:0, ' ', 0.125:0:2, ' ', 0.15:0:1, ' ', 2.675:0:2);
  WRITELN('[', media:4:0, '] [', 1/3:8:3, '] [', 3.14, '] [', 3.14:12, '] [', 2.5:-5:0, ']');
  WRITELN(ROUND(2.5), ' ', ROUND(media));
  ASSIGN(f, 'notas.txt');
  REWRITE(f);
  WRITELN(f, 2.5:0:0, ' ', media:4:0, ' ', 0.125:0:2, ' ', 3.14);
  CLOSE(f);
  RESET(f);
  READLN(f, linha);
  WRITELN(linha);
  CLOSE(f);
END.
