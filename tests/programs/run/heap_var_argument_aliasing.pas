{ A heap variable given to a VAR parameter is copied back when the call
  returns: what the routine stored in the same word through a pointer is
  overwritten by the parameter's value. }
program aliasing;
var q: ^integer;
procedure muda(var z: integer);
begin
  z := 1;
  q^ := 2;
  writeln(z, ' ', q^);
end;
begin
  new(q);
  q^ := 0;
  muda(q^);
  writeln(q^);
end.
