program console;
begin
  writeln('ola');
end.
