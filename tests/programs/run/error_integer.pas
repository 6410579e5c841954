program inteiro;
var i: integer;
begin
  readln(i);
  writeln(i);
  readln(i);
  writeln(i);
end.
