program eoffechado;
var f: text;
begin
  assign(f, 'nada.txt');
  if eof(f) then writeln('fim');
end.
