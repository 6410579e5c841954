program rotinas;
var total, x, y: integer; g: real;

function fatorial(n: integer): integer;
begin
  if n <= 1 then fatorial := 1
  else fatorial := n * fatorial(n - 1);
end;

function fib(n: integer): integer;
begin
  if n < 2 then fib := n else fib := fib(n - 1) + fib(n - 2);
end;

procedure troca(var a, b: integer);
var t: integer;
begin
  t := a; a := b; b := t;
end;

procedure externo(n: integer);
var contador: integer;
  procedure interno(k: integer);
  begin
    contador := contador + k;
    total := total + 1;
    if k > 1 then interno(k - 1);
  end;
begin
  contador := 0;
  interno(n);
  writeln('contador ', contador, ' total ', total);
end;

function media(a, b: real): real;
begin
  media := (a + b) / 2;
end;

function maiuscula(s: string): string;
var i: integer; r: string;
begin
  r := '';
  for i := 1 to length(s) do r := r + upcase(s[i]);
  maiuscula := r;
end;

function semlocais: integer;
begin
  semlocais := 7;
end;

procedure acumula(var x: real; d: integer);
begin
  x := x + d;
end;

begin
  writeln(fatorial(10), ' ', fib(15));
  x := 1; y := 2;
  troca(x, y);
  writeln(x, ' ', y);
  total := 0;
  externo(4);
  externo(2);
  writeln(media(3, 4):0:2, ' ', media(1.5, 2):0:2);
  writeln(maiuscula('pascal kau'));
  writeln(semlocais + semlocais);
  g := 1.5;
  acumula(g, 2);
  writeln(g:0:1);
end.
