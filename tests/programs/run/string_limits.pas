program limites;
var
  s: string;
  curto: string[10];
  t: string[3];
  i: integer;
  f: text;
begin
  readln(s);
  writeln(length(s), ' ', s[1], s[255]);
  readln(curto);
  writeln(curto, ' ', length(curto));
  t := 'abc';
  writeln(t, ' ', length(t));
  t := t + 'def';
  writeln(t, ' ', length(t));
  s := '';
  for i := 1 to 300 do s := s + 'x';
  writeln(length(s));
  assign(f, 'longa.txt');
  rewrite(f);
  for i := 1 to 400 do write(f, chr(ord('a') + i mod 26));
  writeln(f);
  writeln(f, 'segunda');
  close(f);
  reset(f);
  readln(f, curto);
  readln(f, s);
  writeln(curto, ' ', s);
  close(f);
  writeln(chr(128) > 'z', ' ', 'a' + chr(200) > 'az', ' ', 'ab' < 'ab' + chr(0));
end.
