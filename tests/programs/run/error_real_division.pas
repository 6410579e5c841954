program divisao2;
var x: real;
begin
  x := 0;
  writeln(1 / x);
end.
