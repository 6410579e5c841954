program escrita;
var f: text;
begin
  assign(f, 'saida.txt');
  rewrite(f);
  writeln(f, 'ok');
  close(f);
  writeln(f, 'de novo');
end.
