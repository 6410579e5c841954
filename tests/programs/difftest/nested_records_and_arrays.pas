{ Records inside records, arrays of arrays written with both index forms, records passed by value and by reference.
  Output checked against Free Pascal. }
program nested_records_and_arrays;
type
  pair = record x, y: integer; end;
  vec3 = array[1..3] of integer;
  box = record
    lo, hi: pair;
    tag: string[5];
    w: vec3;
    inner: record a: integer; b: real; end;
  end;
  boxes = array[1..2] of box;
  grid = array[1..2] of array[1..3] of integer;
var
  b: box; bs: boxes; g: grid; i, j: integer;
  m: array[1..2, 1..2] of pair;
  aa: array[1..2] of array[1..2] of char;
procedure setbox(var q: box; k: integer);
var t: integer;
begin
  q.lo.x := k; q.lo.y := k + 1; q.hi.x := k * 10; q.hi.y := k * 10 + 1;
  q.tag := 'box' + chr(48 + k);
  for t := 1 to 3 do q.w[t] := k * 100 + t;
  q.inner.a := -k; q.inner.b := k / 8;
end;
procedure showbox(q: box);
begin
  writeln(q.lo.x, ' ', q.lo.y, ' ', q.hi.x, ' ', q.hi.y, ' ', q.tag, ' ', q.w[1], ' ', q.w[3], ' ', q.inner.a, ' ', q.inner.b:0:3);
end;
function area(p, q: pair): integer;
begin
  area := (q.x - p.x) * (q.y - p.y);
end;
begin
  setbox(b, 3);
  showbox(b);
  for i := 1 to 2 do setbox(bs[i], i + 4);
  for i := 1 to 2 do showbox(bs[i]);
  writeln(area(b.lo, b.hi), ' ', area(bs[1].lo, bs[2].hi));
  for i := 1 to 2 do for j := 1 to 3 do g[i][j] := i * 10 + j;
  for i := 1 to 2 do for j := 1 to 3 do write(g[i, j], ' ');
  writeln;
  for i := 1 to 2 do for j := 1 to 2 do begin m[i, j].x := i; m[i, j].y := j * i; end;
  writeln(m[2, 2].x, m[2, 2].y, m[1, 2].y, area(m[1, 1], m[2, 2]));
  aa[1][1] := 'a'; aa[1, 2] := 'b'; aa[2][1] := 'c'; aa[2, 2] := 'd';
  writeln(aa[1, 1], aa[1][2], aa[2, 1], aa[2][2]);
  bs[2].w[2] := bs[1].w[3] + b.w[1];
  writeln(bs[2].w[2], bs[2].tag[4], length(bs[1].tag));
  inc(bs[1].lo.x); dec(b.inner.a);
  writeln(bs[1].lo.x, b.inner.a);
end.
