{ Concatenations longer than 255 characters in assignments, arguments, results, comparisons and output.
  Output checked against Free Pascal. }
program strings_past_255;
type s20 = string[20];
var a, b: string; c: s20; i: integer; arr: array[1..2] of s20;
function dbl(x: string): string;
begin
  dbl := x + x;
end;
function cut(x: s20): string;
begin
  cut := x + '|' + x;
end;
procedure show(x: string; y: s20);
begin
  writeln(length(x), ' ', length(y), ' ', x[length(x)], y[length(y)]);
end;
begin
  a := '';
  for i := 1 to 100 do a := a + chr(65 + i mod 26);
  b := dbl(dbl(a));
  writeln(length(b), ' ', b[255], ' ', length(dbl(a) + dbl(a) + 'xyz'));
  writeln(a + a + a);
  c := a + b; writeln(c, length(c));
  show(a + a + a, a + a);
  show(dbl(a), dbl(c));
  writeln(cut(a), ' ', length(cut(b)));
  arr[1] := b; arr[2] := 'short';
  writeln(arr[1], arr[2], length(arr[1]));
  writeln(length(a + a + a) = 255, ' ', (a + a + a) = dbl(a) + a, ' ', dbl(a) + a > a + a + a + 'z');
  b := a + a + a;
  writeln(b = b + 'z', ' ', b + 'z' = b, ' ', length(b + b));
  writeln((a + a + a):260);
end.
