program arquivos;
var
  f, g: text;
  nome, linha: string;
  i, n, soma: integer;
  r: real;
  c: char;
  b: boolean;
begin
  nome := 'dados.txt';
  assign(f, nome);
  rewrite(f);
  writeln(f, 'primeira linha');
  writeln(f, 10, ' ', 20, ' ', 30);
  writeln(f, 2.5:0:2, ' ', true);
  write(f, 'sem fim de linha');
  close(f);

  reset(f);
  readln(f, linha);
  writeln('[', linha, ']');
  readln(f, i);
  writeln('i=', i);
  readln(f, r, b);
  writeln('r=', r:0:2, ' b=', b);
  readln(f, linha);
  writeln('[', linha, ']');
  writeln('eof=', eof(f));
  close(f);

  assign(g, 'numeros.txt');
  rewrite(g);
  for i := 1 to 5 do writeln(g, i * i);
  close(g);
  append(g);
  writeln(g, 100);
  close(g);
  reset(g);
  soma := 0; n := 0;
  while not eof(g) do
  begin
    readln(g, i);
    soma := soma + i;
    n := n + 1;
  end;
  close(g);
  writeln('n=', n, ' soma=', soma);

  assign(f, 'crlf.txt');
  reset(f);
  while not eof(f) do
  begin
    readln(f, linha);
    writeln(length(linha), ':', linha);
  end;
  close(f);

  assign(f, 'letras.txt');
  rewrite(f);
  write(f, 'ab');
  writeln(f);
  write(f, 'c');
  close(f);
  reset(f);
  n := 0;
  while not eof(f) do
  begin
    read(f, c);
    n := n + 1;
    write(ord(c), ' ');
  end;
  writeln('(', n, ')');
  close(f);

  assign(f, 'vazio.txt');
  rewrite(f);
  close(f);
  reset(f);
  writeln('vazio eof=', eof(f));
  readln(f, linha);
  writeln('[', linha, ']');
  close(f);

  assign(f, 'acentos.txt');
  rewrite(f);
  writeln(f, 'ação é útil');
  close(f);
  reset(f);
  readln(f, linha);
  writeln(linha, ' ', length(linha));
  close(f);
end.
