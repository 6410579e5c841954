program liberado;
var p: ^integer;
begin
  new(p);
  p^ := 5;
  dispose(p);
  writeln(p^);
end.
