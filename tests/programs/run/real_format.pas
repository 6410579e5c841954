program reais;
var r: real; i: integer;
begin
  r := 3.14;
  writeln(r);
  writeln(r:10);
  writeln(r:0:2, '|', r:8:3, '|', r:-8:1, '|');
  writeln(-r:12:4);
  writeln(2/3:0:10);
  writeln(1e10:0:0, ' ', 123456789.5:0:1);
  writeln(0.0);
  i := 42;
  writeln(i:5, '|', i:-5, '|', i:1);
  writeln('ab':5, '|', 'ab':-5, '|', 'x':3, '|');
  writeln(true:6, '|', false:-7, '|');
  write(1, 2.5, 'x', true);
  writeln;
end.
