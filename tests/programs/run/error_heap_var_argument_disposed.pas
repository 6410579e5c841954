program liberado_na_chamada;
type no = record valor: integer; prox: ^no; end;
var p, r: ^no;
procedure libera(var z: integer);
begin
  dispose(p);
  new(r);
  r^.valor := 7;
  z := 5;
  writeln('dentro');
end;
begin
  new(p);
  p^.valor := 1;
  libera(p^.valor);
  writeln('depois');
end.
