program inteiro2;
var i: integer;
begin
  readln(i);
end.
