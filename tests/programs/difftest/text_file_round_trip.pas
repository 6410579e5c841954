{ A text file written, read back, appended and read again.
  Output checked against Free Pascal. }
program text_file_round_trip;
var f: text; i, n, k: integer; r: real; s: string; c: char; name: string;
begin
  name := 'data.txt';
  assign(f, name);
  rewrite(f);
  writeln(f, 12, ' ', 34);
  writeln(f, 'hello world');
  write(f, 3.5:0:2, ' ', true, ' ', 'x':3);
  writeln(f);
  writeln(f, 'line4');
  close(f);
  reset(f);
  readln(f, i);
  writeln(i);
  readln(f, s);
  writeln('[', s, ']');
  read(f, r);
  writeln(r:0:3);
  readln(f, s);
  writeln('[', s, ']');
  read(f, c);
  writeln(c);
  readln(f, s);
  writeln('[', s, ']');
  writeln(eof(f));
  close(f);
  append(f);
  writeln(f, 'appended');
  close(f);
  reset(f);
  n := 0;
  while not eof(f) do
  begin
    readln(f, s);
    n := n + 1;
    writeln(n, ':', s);
  end;
  close(f);
end.
