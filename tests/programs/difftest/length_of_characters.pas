{ LENGTH of every form of character is 1.
  Output checked against Free Pascal. }
program length_of_characters;
var c: char; s: string; i: integer;
function fc(x: integer): char;
begin
  fc := chr(65 + x);
end;
begin
  c := 'q'; s := 'hello'; i := 3;
  writeln(length(c), length('x'), length(s[2]), length(upcase(c)), length(chr(i + 60)), length(fc(2)), length(succ(c)));
  writeln(length(c) + length(s) * 2, ' ', length(s + c), ' ', length(c + c));
end.
