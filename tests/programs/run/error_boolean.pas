program booleano;
var b: boolean;
begin
  write('> ');
  readln(b);
  writeln(b);
end.
