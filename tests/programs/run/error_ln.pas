program logaritmo;
begin
  writeln(ln(0):0:2);
end.
