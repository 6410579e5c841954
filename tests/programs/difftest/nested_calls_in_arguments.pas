{ Calls with string arguments nested inside the arguments and indexes of other calls.
  Output checked against Free Pascal. }
program nested_calls_in_arguments;
type str4 = string[4];
var a: array[1..10] of integer; s: string; i: integer; r: real;
function len2(t: str4; u: string): integer;
begin
  len2 := length(t) * 10 + length(u);
end;
function idx(t: string): integer;
begin
  idx := 1 + length(t) mod 10;
end;
function cat3(x: string; y: str4; z: char): string;
begin
  cat3 := x + '-' + y + '-' + z;
end;
procedure show(n: integer; t: string; q: real; var w: integer);
begin
  w := w + n;
  writeln(n, ' [', t, '] ', q:0:2, ' ', w);
end;
begin
  for i := 1 to 10 do a[i] := i * 100;
  s := 'hello';
  show(a[idx(s + 'xy')], cat3(s + s, s + 'abc', s[2]), len2(s, cat3('a', 'bcdef', 'g')), a[idx(cat3(s, s, 'q'))]);
  show(len2(cat3(s, cat3('1', '2', '3'), 'z'), cat3(cat3('a', 'b', 'c'), s, s[1])), cat3(cat3(s, s, s[1]), cat3('u', 'vwxyz', 'w'), 'r'), a[2] / a[idx(s)], a[len2('ab', 'c')  div 10]);
  r := len2(cat3(s, s, 'x'), s) + a[idx(cat3('', '', 'c'))];
  writeln(r:0:1, ' ', a[1], a[2], a[3]);
end.
