program listas;
type
  no = record
    valor: integer;
    nome: string[10];
    prox: ^no;
  end;
var
  cabeca, p, q: ^no;
  i, soma: integer;
  x: ^integer;
  r: ^real;
begin
  cabeca := nil;
  for i := 1 to 5 do
  begin
    new(p);
    p^.valor := i * i;
    p^.nome := 'no';
    p^.prox := cabeca;
    cabeca := p;
  end;
  p := cabeca;
  soma := 0;
  while p <> nil do
  begin
    write(p^.nome, p^.valor, ' ');
    soma := soma + p^.valor;
    p := p^.prox;
  end;
  writeln;
  writeln('soma ', soma);
  { remove o segundo no }
  q := cabeca^.prox;
  cabeca^.prox := q^.prox;
  dispose(q);
  p := cabeca;
  while p <> nil do
  begin
    write(p^.valor, ' ');
    q := p;
    p := p^.prox;
    dispose(q);
  end;
  writeln;
  new(x);
  x^ := 42;
  writeln(x^ + 1);
  dispose(x);
  new(r);
  r^ := 2.5;
  writeln(r^ * 2:0:2);
  dispose(r);
  x := nil;
  dispose(x);
  writeln(x = nil);
end.
