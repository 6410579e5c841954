{ READ and READLN from a text file: numbers across lines, characters, short strings, empty lines, EOF.
  Output checked against Free Pascal. }
program text_file_reads;
var f: text; i, a, b, n, sum: integer; r: real; c: char; s: string; t: string[3];
begin
  assign(f, 'nums.txt'); rewrite(f);
  writeln(f, '1 2 3');
  writeln(f, '  4');
  writeln(f, '5   6');
  writeln(f, '-7 8.5 x');
  writeln(f, 'abcdef');
  writeln(f, '');
  write(f, 'last');
  close(f);
  reset(f);
  sum := 0;
  for i := 1 to 6 do begin read(f, a); sum := sum + a; write(a, ','); end;
  writeln(' sum ', sum);
  read(f, a, r, c, c);
  writeln(a, ' ', r:0:2, ' [', c, ']');
  readln(f);
  readln(f, t);
  writeln('[', t, ']');
  readln(f, s);
  writeln('[', s, ']', length(s));
  readln(f, s);
  writeln('[', s, ']', length(s), ' ', eof(f));
  close(f);
  reset(f); n := 0;
  while not eof(f) do begin read(f, c); n := n + 1; end;
  writeln(n);
  close(f);
end.
