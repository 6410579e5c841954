{ Variables in heap blocks passed to VAR parameters: whole dynamic variables,
  fields of every kind, array elements, fields several links away, parameters
  passed on again, recursion along a list, and calls inside functions.
  Output checked against Free Pascal. }
program heap_var_arguments;
type
  aluno = record nome: string[20]; nota: real; idade: integer; end;
  vetor = array[1..5] of integer;
  no = record
    valor, a, b: integer;
    r: real;
    s: string;
    c: char;
    info: aluno;
    v: vetor;
    prox: ^no;
  end;
  pno = ^no;
var
  q: ^integer;
  pv: ^vetor;
  p, lista: pno;
  g: vetor;
  i, x, total: integer;

procedure incrementa(var z: integer);
begin
  z := z + 1;
end;

procedure dobra(var r: real);
begin
  r := r * 2;
end;

procedure preenche(var s: string);
begin
  s := 'lido: ' + s;
end;

procedure maiuscula(var c: char);
begin
  c := upcase(c);
end;

procedure lerAluno(var al: aluno);
begin
  al.nome := 'Ana';
  al.nota := al.nota + 8.5;
  al.idade := 20;
end;

procedure troca(var m, n: integer);
var t: integer;
begin
  t := m; m := n; n := t;
end;

procedure zera(var w: vetor);
var k: integer;
begin
  for k := 1 to 5 do w[k] := w[k] * 10;
end;

procedure repassa(var z: integer);
begin
  incrementa(z);
  troca(z, x);
end;

procedure insere(var l: pno; k: integer);
begin
  if l = nil then begin
    new(l); l^.valor := k; l^.prox := nil;
  end else
    insere(l^.prox, k);
end;

procedure acumula(l: pno; var soma: integer);
begin
  soma := soma + l^.valor;
  if l^.prox <> nil then begin
    acumula(l^.prox, l^.prox^.valor);
    soma := soma + l^.prox^.valor;
  end;
end;

function vezesDez(var z: integer): integer;
begin
  z := z * 10;
  vezesDez := z + 1;
end;

function um(b: boolean): integer;
begin
  if b then um := 1 else um := 0;
end;

begin
  new(q); q^ := 45; incrementa(q^); writeln(q^);
  new(p);
  p^.r := 1.25; dobra(p^.r); writeln(p^.r:0:2);
  p^.s := 'abc'; preenche(p^.s); writeln(p^.s, ' ', length(p^.s));
  maiuscula(p^.s[2]); writeln(p^.s);
  p^.c := 'x'; maiuscula(p^.c); writeln(p^.c);
  p^.info.nota := 1; lerAluno(p^.info);
  writeln(p^.info.nome, ' ', p^.info.nota:0:1, ' ', p^.info.idade);
  incrementa(p^.info.idade); writeln(p^.info.idade);
  p^.a := 1; p^.b := 2; troca(p^.a, p^.b); writeln(p^.a, ' ', p^.b);
  for i := 1 to 5 do begin p^.v[i] := i; incrementa(p^.v[i]); end;
  zera(p^.v);
  for i := 1 to 5 do write(p^.v[i], ' ');
  writeln;
  new(pv); for i := 1 to 5 do pv^[i] := i;
  zera(pv^); incrementa(pv^[3]);
  for i := 1 to 5 do write(pv^[i], ' ');
  writeln;
  lista := nil;
  for i := 1 to 4 do insere(lista, i * 3);
  insere(p^.prox, 7); insere(p^.prox, 9);
  incrementa(p^.prox^.prox^.valor); writeln(p^.prox^.valor, ' ', p^.prox^.prox^.valor);
  x := 100; p^.valor := 3; repassa(p^.valor); writeln(p^.valor, ' ', x);
  total := 0; acumula(lista, total);
  write(total, ':');
  p := lista;
  while p <> nil do begin write(' ', p^.valor); p := p^.prox; end;
  writeln;
  p := lista;
  x := vezesDez(p^.valor) + vezesDez(p^.prox^.valor);
  writeln(x, ' ', p^.valor, ' ', p^.prox^.valor);
  { Short-circuit conditions and calls in the indexes of VAR arguments. }
  x := 1; p^.v[2] := 5;
  for i := 1 to 5 do g[i] := i * 7;
  incrementa(g[um((x > 0) and (x < 5)) + um((x > 5) or (x = 1)) + length('x')]);
  troca(g[vezesDez(x) - 9], p^.v[um((x < 0) or (q^ = 46)) + 1]);
  writeln(g[3], ' ', g[2], ' ', p^.v[2], ' ', x);
end.
