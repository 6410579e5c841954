{ Arrays of records, of strings and of booleans, a two-dimensional array passed by value, constants of every kind, functions of every result type.
  Output checked against Free Pascal. }
program arrays_records_constants;
const n = 3; msg = 'hi there'; k = -4; pi2 = 6.28; yes = true; ch = 'z'; m2 = -2;
type
  str8 = string[8];
  rec = record
    a: integer;
    r: real;
    s: string[12];
    c: char;
    v: array[1..3] of integer;
  end;
  recs = array[1..n] of rec;
  strs = array[0..2] of str8;
  grid = array[1..2, 1..3] of char;
  en = (e0, e1, e2, e3);
var
  rs: recs;
  ss: strs;
  g: grid;
  one: rec;
  i, j: integer;
  e: en;
  s8: str8;
  bs: array[1..4] of boolean;
  rr: array[m2..2] of real;
procedure setrec(var x: rec; val0: integer);
var t: integer;
begin
  x.a := val0; x.r := val0 / 4; x.s := 'rec' + chr(48 + val0); x.c := chr(65 + val0);
  for t := 1 to 3 do x.v[t] := val0 * t;
end;
function cat(a: str8; b: str8): string;
begin
  cat := a + b;
end;
function twice(s: string): string;
begin
  twice := s + s;
end;
function nextc(c: char): char;
begin
  nextc := succ(c);
end;
function half(x: real): real;
begin
  half := x / 2;
end;
function isbig(x: integer): boolean;
begin
  isbig := x > 100;
end;
function nexte(x: en): integer;
begin
  nexte := ord(x) + 1;
end;
procedure showg(gg: grid);
var a, b: integer;
begin
  for a := 1 to 2 do begin for b := 1 to 3 do write(gg[a, b]); writeln; end;
end;
begin
  for i := 1 to n do setrec(rs[i], i);
  for i := 1 to n do writeln(rs[i].a, ' ', rs[i].r:0:2, ' ', rs[i].s, ' ', rs[i].c, ' ', rs[i].v[1], rs[i].v[2], rs[i].v[3]);
  setrec(one, 7);
  writeln(one.s, one.v[3]);
  ss[0] := 'abcdefghijk'; ss[1] := 'x'; ss[2] := '';
  for i := 0 to 2 do writeln(length(ss[i]), ss[i]);
  ss[1] := ss[0] + ss[0];
  writeln(ss[1], ss[1][3]);
  for i := 1 to 2 do for j := 1 to 3 do g[i, j] := chr(96 + i * 3 + j);
  showg(g);
  writeln(cat('abcdef', 'ghijkl'));
  s8 := cat('abc', 'de');
  writeln(s8, length(s8));
  writeln(twice('ab'), twice(ch), length(twice(msg)));
  writeln(nextc('a'), half(5):0:3, half(pi2):6:2, isbig(200), isbig(k));
  e := e2;
  writeln(nexte(e), nexte(e0), ord(succ(e)));
  writeln(n, msg, k, pi2:0:2, yes, ch);
  for i := 1 to 4 do bs[i] := odd(i);
  for i := 1 to 4 do write(bs[i]:6);
  writeln;
  for i := -2 to 2 do rr[i] := i * 1.5;
  for i := -2 to 2 do write(rr[i]:5:1);
  writeln;
  writeln(e = e2, e <> e1, e2 = e);
end.
