program pulalinha;
var f: text; s: string;
begin
  assign(f, 'linhas.txt');
  rewrite(f);
  writeln(f, 'um');
  writeln(f, 'dois');
  writeln(f, 'tres');
  close(f);
  reset(f);
  readln(f);
  readln(f, s);
  writeln(s);
  readln(f);
  writeln(eof(f));
  close(f);
end.
