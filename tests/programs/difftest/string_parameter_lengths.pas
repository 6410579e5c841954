{ Value string parameters of lengths 1, 3 and 255 given characters, literals, variables, concatenations and function results.
  Output checked against Free Pascal. }
program string_parameter_lengths;
type s1 = string[1]; s3 = string[3];
var c: char; x: s1; y: s3; z: string;
procedure p1(a: s1; b: s3; d: string);
begin
  writeln('[', a, '][', b, '][', d, '] ', length(a), length(b), length(d));
end;
function f3(a: s3): string;
begin
  f3 := a + a;
end;
begin
  c := 'q';
  p1(c, c, c);
  p1('xy', 'abcdef', 'long');
  p1(c + c, c + 'x' + c + 'y', c + c);
  x := 'zz'; y := 'hello'; z := 'world';
  p1(x, y, z);
  p1(y, z, x);
  p1(f3('ab'), f3(c), f3(z));
  writeln(f3('abcdef'), f3(f3(y)), length(f3(z + z)));
  p1(z, f3(y) + z, f3(z) + f3(y) + c);
end.
