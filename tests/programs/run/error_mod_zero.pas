program modzero;
var a, b: integer;
begin
  a := 7; b := 0;
  writeln(a mod b);
end.
