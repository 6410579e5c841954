{ Arrays with negative bounds, also inside heap records; fields, strings and INC through pointers.
  Output checked against Free Pascal. }
program negative_bounds_heap_blocks;
const lo = -3; hi = 2; lo2 = -1;
type
  item = record x: integer; s: string[4]; end;
  blk = record n: integer; items: array[1..3] of item; grid: array[lo..hi, lo2..1] of integer; tail: string[5]; end;
  pblk = ^blk;
  arr = array[lo..hi] of integer;
var m: array[lo..hi, lo2..1] of integer; i, j, t: integer; b: pblk; v: arr; pa: ^arr;
begin
  for i := lo to hi do for j := lo2 to 1 do m[i, j] := i * 10 + j;
  t := 0;
  for i := lo to hi do for j := lo2 to 1 do t := t + m[i, j] * (i + 5);
  writeln(t, ' ', m[lo, lo2], ' ', m[hi, 1], ' ', m[0, 0]);
  new(b);
  b^.n := 3;
  for i := 1 to 3 do begin b^.items[i].x := i * i; b^.items[i].s := 'it' + chr(48 + i); end;
  for i := lo to hi do for j := lo2 to 1 do b^.grid[i, j] := m[i, j] + 1;
  b^.tail := 'abcdefg';
  b^.items[2].s[1] := 'X';
  inc(b^.items[3].x);
  b^.tail[5] := 'Z';
  for i := 1 to 3 do write(b^.items[i].x, b^.items[i].s, length(b^.items[i].s), ' ');
  writeln(b^.grid[lo, lo2], ' ', b^.grid[hi, 1], ' ', b^.tail, ' ', b^.items[2].s[2]);
  for i := lo to hi do v[i] := i;
  new(pa);
  for i := lo to hi do pa^[i] := v[i] * 2;
  t := 0; for i := lo to hi do t := t + pa^[i];
  writeln(t, ' ', pa^[lo], ' ', pa^[hi]);
  dispose(pa); dispose(b);
end.
