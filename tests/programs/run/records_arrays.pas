program registros;
type
  ponto = record x, y: integer; end;
  aluno = record
    nome: string[20];
    nota: real;
    pos: ponto;
  end;
  matriz = array[1..3, 1..4] of integer;
var
  a: aluno;
  turma: array[1..3] of aluno;
  m: matriz;
  cubo: array[0..1, 0..2, 1..2] of integer;
  v: array[0..4] of real;
  i, j, k, soma: integer;
  nomes: array[1..2] of string[10];
begin
  a.nome := 'Maria';
  a.nota := 9.5;
  a.pos.x := 3; a.pos.y := -4;
  writeln(a.nome, ' ', a.nota:0:1, ' ', a.pos.x, ',', a.pos.y);
  for i := 1 to 3 do
  begin
    turma[i].nome := 'Aluno';
    turma[i].nota := i * 2.5;
    turma[i].pos.x := i;
  end;
  for i := 1 to 3 do writeln(turma[i].nome, i, ' ', turma[i].nota:0:2, ' ', turma[i].pos.x);
  for i := 1 to 3 do
    for j := 1 to 4 do
      m[i, j] := i * 10 + j;
  for i := 1 to 3 do
  begin
    for j := 1 to 4 do write(m[i, j]:4);
    writeln;
  end;
  soma := 0;
  for i := 0 to 1 do
    for j := 0 to 2 do
      for k := 1 to 2 do
      begin
        cubo[i, j, k] := i * 100 + j * 10 + k;
        soma := soma + cubo[i, j, k];
      end;
  writeln(cubo[1, 2, 2], ' ', cubo[0, 1, 1], ' ', soma);
  for i := 0 to 4 do v[i] := (i - 2) / 2;
  for i := 0 to 4 do write(v[i]:0:1, ' ');
  writeln;
  nomes[1] := 'primeiro';
  nomes[2] := 'segundo nome longo';
  writeln(nomes[1], '|', nomes[2], '|', length(nomes[2]));
  writeln(nomes[2][3], a.nome[1]);
end.
