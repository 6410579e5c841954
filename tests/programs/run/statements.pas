program comandos;
var i, j, n, soma: integer; c: char;
begin
  n := 5;
  if n > 3 then writeln('maior') else writeln('menor');
  if n < 3 then writeln('menor') else writeln('nao menor');
  if n = 5 then writeln('cinco');
  i := 0; soma := 0;
  while i < 10 do
  begin
    i := i + 1;
    if i mod 2 = 0 then continue;
    if i > 7 then break;
    soma := soma + i;
  end;
  writeln('while ', i, ' ', soma);
  i := 0;
  repeat
    i := i + 3;
    if i = 6 then continue;
    write(i, ' ');
  until i >= 12;
  writeln;
  for i := 1 to 3 do
    for j := 3 downto 1 do
      write(i * j, ' ');
  writeln;
  for i := 5 to 1 do writeln('nunca');
  for i := 1 to 10 do
  begin
    if i = 4 then break;
    write(i);
  end;
  writeln(' ', i);
  for i := 1 to 12 do
    case i of
      1: write('um ');
      2, 3: write('dois-tres ');
      4..6: write('[4-6] ');
      7, 9..10: begin write('sete/nove/dez '); end;
    else
      write('outro ');
    end;
  writeln;
  c := 'm';
  case c of
    'a'..'l': writeln('primeira metade');
    'm'..'z': writeln('segunda metade');
  end;
  i := 0;
  while true do
  begin
    i := i + 1;
    case i of
      3: break;
    end;
  end;
  writeln('case dentro de while ', i);
  j := 10;
  inc(i); dec(j); inc(c);
  writeln(i, ' ', j, ' ', c);
  begin end;
  writeln('fim');
end.
