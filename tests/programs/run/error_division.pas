program divisao;
var a, b: integer;
begin
  a := 10; b := 0;
  writeln(a div 2);
  writeln(a div b);
end.
