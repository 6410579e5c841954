{ Byte 0 is an ordinary character of a string: concatenation keeps it and
  what follows it, as assignment, comparison, output and files do. }
program string_byte_zero;
var s, t: string; c: char; i: integer; f: text;
begin
  c := chr(0);
  s := 'ab' + c + 'cd';
  writeln(length(s));
  t := 'xy'; t := t + c; t := t + 'z';
  writeln(length(t));
  s := 'abc'; s[2] := c; writeln(length(s), ' ', s = 'a' + c + 'c', ' ', s > 'a', ' ', 'ab' < 'ab' + c);
  s := s + s; writeln(length(s));
  for i := 1 to length(s) do write(ord(s[i]), ' ');
  writeln;
  writeln('x', s, 'y', c, 'z');
  assign(f, 'z.txt'); rewrite(f); writeln(f, s); close(f);
  reset(f); readln(f, t); close(f);
  writeln(length(t), ' ', t = s);
end.
