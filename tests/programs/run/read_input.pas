program leitura;
var
  i, j: integer;
  r: real;
  c: char;
  b: boolean;
  s: string;
  curta: string[4];
begin
  read(i, j);
  writeln('i=', i, ' j=', j);
  readln(i);
  writeln('i=', i);
  readln(r);
  writeln('r=', r:0:3);
  readln(c);
  writeln('c=', c);
  readln(b);
  writeln('b=', b);
  readln(s);
  writeln('s=[', s, ']');
  readln(curta);
  writeln('curta=[', curta, ']');
  read(s);
  writeln('palavra=[', s, ']');
  readln(s);
  writeln('linha=[', s, ']');
  readln(i);
  writeln('fim=', i);
  readln(s);
  writeln('vazio=[', s, '] ', length(s));
  readln(b);
  writeln('b=', b);
end.
