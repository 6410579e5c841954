{ Empty strings in comparisons, concatenations, value parameters of two lengths and function results.
  Output checked against Free Pascal. }
program empty_strings;
type s3 = string[3];
var s, t: string; c: char; u: s3;
procedure p(x: s3; y: string);
begin
  writeln('[', x, '][', y, ']', length(x), length(y), x = y, x < y);
end;
function e: string;
begin
  e := '';
end;
begin
  s := ''; t := ''; c := 'a'; u := '';
  writeln(s = t, s < t, s <= t, s = c, s < c, c > s, length(s), length(s + t), length(s + c));
  s := s + c + s;
  writeln(s, length(s), s = c, c = s, c + '' = s);
  p('', ''); p(c, ''); p('', c); p(e, e + e); p(e + c, c + e);
  u := e; writeln(length(u), u = '', u = e);
  t := 'abc'; writeln(t > '', '' < t, t <> '', e < t, length(e));
  writeln('' + '' = '', '' + c + '' = 'a');
end.
