program indice;
var v: array[1..10] of integer; i: integer;
begin
  for i := 1 to 10 do v[i] := i;
  writeln(v[10]);
  i := 0;
  writeln(v[i]);
  writeln('nao chega');
end.
