program appendpasta;
var f: text;
begin
  assign(f, '..');
  append(f);
  writeln('aberto');
end.
