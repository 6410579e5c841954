program raiz;
var x: real;
begin
  x := -4;
  writeln(sqrt(x):0:2);
end.
