program menor;
var a, b: integer;
begin
  a := -2147483647 - 1; b := -1;
  writeln(a div b);
end.
