{ Strings cut on assignment and concatenation, value parameters changed in the callee, comparisons, indexing.
  Output checked against Free Pascal. }
program strings_limits_and_parameters;
type str5 = string[5];
var a: string[5]; b: string; c: char; i: integer; t: str5;
  long1, long2: string;
procedure show(s: string);
begin
  writeln('[', s, '] ', length(s));
end;
procedure show5(s: str5);
begin
  writeln('<', s, '> ', length(s));
end;
procedure modv(s: string);
begin
  s := s + '!';
  writeln(s);
end;
function up(s: string): string;
var k: integer;
begin
  for k := 1 to length(s) do
    if (s[k] >= 'a') and (s[k] <= 'z') then s[k] := chr(ord(s[k]) - 32);
  up := s;
end;
begin
  a := 'abcdefgh';
  writeln(a, ' ', length(a));
  b := 'xyz';
  a := b + b;
  writeln(a, ' ', length(a));
  c := 'q';
  a := c;
  writeln(a, length(a));
  show(a);
  show('');
  show('lit');
  show(c);
  show5('abcdefghij');
  t := 'hello world';
  show5(t);
  show5(b + 'abcdef');
  modv(b);
  writeln(b);
  writeln(up('Hello, World'));
  long1 := '';
  for i := 1 to 200 do long1 := long1 + chr(65 + i mod 26);
  long2 := long1 + long1;
  writeln(length(long2));
  writeln(long2);
  show(long1 + long1);
  writeln(length(long1 + long1));
  writeln('abc' < 'abd', ' ', 'ab' < 'abc', ' ', 'Z' < 'a', ' ', '' < 'a', ' ', 'b' > 'abc');
  writeln(b = 'xyz', ' ', b <> 'xyz', ' ', b >= 'xy', ' ', b <= 'xy');
  writeln('a' + 'b', c + c, c + 'rest', 'rest' + c);
  b := 'hello';
  b[1] := 'J';
  writeln(b);
  writeln(b[length(b)]);
end.
