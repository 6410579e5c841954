program enumeracoes;
type
  dia = (dom, seg, ter, qua, qui, sex, sab);
  cor = (vermelho, verde, azul);
var
  d: dia;
  c: cor;
  n: integer;
begin
  d := seg;
  writeln(ord(d), ' ', ord(succ(d)), ' ', ord(pred(d)));
  n := 0;
  for d := dom to sab do n := n + ord(d);
  writeln(n);
  c := verde;
  case c of
    vermelho: writeln('vermelho');
    verde: writeln('verde');
    azul: writeln('azul');
  end;
  if c = verde then writeln('igual');
  if c <> azul then writeln('diferente');
  c := azul;
  writeln(ord(c));
  c := pred(pred(c));
  writeln(ord(c));
  c := pred(c);
  writeln('nao chega');
end.
