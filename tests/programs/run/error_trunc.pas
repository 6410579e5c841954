program trunca;
var x: real;
begin
  x := 1e12;
  writeln(trunc(x));
end.
