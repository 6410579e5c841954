program resetpasta;
var f: text;
begin
  assign(f, '..');
  reset(f);
  writeln('aberto');
end.
