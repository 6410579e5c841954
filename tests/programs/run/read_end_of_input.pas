program fimdaentrada;
var i: integer; r: real; c: char; b: boolean; s: string;
begin
  i := 5; r := 1; c := 'x'; b := true; s := 'algo';
  readln(i);
  readln(r);
  readln(c);
  readln(b);
  readln(s);
  read(s);
  writeln(i, ' ', r:0:1, ' [', c, '] ', b, ' [', s, ']');
  readln;
  c := readkey;
  writeln(ord(c));
end.
