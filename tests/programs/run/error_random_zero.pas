program aleatorio;
begin
  writeln(random(0));
end.
