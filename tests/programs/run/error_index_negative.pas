program indice2;
var m: array[1..3, 1..3] of integer; i: integer;
begin
  i := -4;
  m[2, i] := 1;
end.
