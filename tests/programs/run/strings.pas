program cadeias;
var
  s, t: string;
  curta: string[5];
  c: char;
  i: integer;

function repete(c: char; n: integer): string;
var i: integer; r: string;
begin
  r := '';
  for i := 1 to n do r := r + c;
  repete := r;
end;

procedure mostra(x: string);
begin
  writeln('[', x, '] ', length(x));
end;

begin
  s := 'Pascal';
  t := 'KAU';
  writeln(s + ' ' + t, ' ', length(s + t));
  writeln(s[1], s[6], ' ', length(''), ' ', length('x'));
  s[1] := 'p';
  writeln(s);
  curta := 'abcdefgh';
  writeln(curta, ' ', length(curta));
  curta := 'abcde';
  writeln(curta, ' ', length(curta));
  s := repete('x', 200);
  t := s + s;
  writeln(length(t), ' ', length(s + 'abc'));
  t := repete('y', 255);
  writeln(length(t), ' ', t[255]);
  mostra(repete('z', 10));
  mostra('ab' + 'cd');
  c := 'q';
  mostra(c);
  writeln('a' + 'b', ' ', c + c);
  writeln('abc' < 'abd', ' ', 'ab' < 'abc', ' ', 'Z' < 'a', ' ', 'abc' = 'abc', ' ', 'b' > 'abc');
  writeln('abc' <= 'abc', ' ', 'abc' >= 'abd', ' ', 'x' <> 'y');
  writeln(chr(200) > 'z', ' ', ord(chr(200)), ' ', ord('A'), ' ', chr(66));
  s := 'x' + chr(255) + 'y';
  writeln(length(s), ' ', ord(s[2]));
  writeln(upcase('a'), upcase('Z'), upcase('1'));
  c := 'a';
  writeln(succ(c), pred('c'), ' ', c < 'b');
  for c := 'a' to 'e' do write(c);
  writeln;
  s := '';
  for i := 1 to 3 do s := s + chr(ord('0') + i);
  writeln(s);
end.
