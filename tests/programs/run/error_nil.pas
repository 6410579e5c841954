program nulo;
type no = record valor: integer; prox: ^no; end;
var p: ^no;
begin
  p := nil;
  writeln(p^.valor);
end.
