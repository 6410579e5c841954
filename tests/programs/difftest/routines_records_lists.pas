{ Nested routines three levels deep, recursion, VAR parameters, arrays and records as parameters, a linked list.
  Output checked against Free Pascal. }
program routines_records_lists;
type
  node = record
    vv: integer;
    name: string[10];
    next: ^node;
  end;
  point = record x, y: integer; r: real; end;
  arr = array[1..5] of integer;
var head, p, q: ^node; i, total: integer;
  pt, pt2: point;
  a: arr;
  m: array[0..2, 1..3] of integer;
  g: integer;
procedure outer(n: integer);
var lo: integer;
  procedure mid(k: integer);
  var lm: integer;
    procedure inner;
    begin
      lo := lo + 1;
      lm := lm * 2;
      g := g + n + k;
    end;
  begin
    lm := k;
    inner;
    inner;
    writeln('mid ', lm, ' ', lo);
    if k > 0 then mid(k - 1);
  end;
begin
  lo := 0;
  mid(n);
  writeln('outer ', lo, ' ', g);
end;
function fib(n: integer): integer;
begin
  if n < 2 then fib := n else fib := fib(n - 1) + fib(n - 2);
end;
function fact(n: integer): real;
begin
  if n <= 1 then fact := 1 else fact := n * fact(n - 1);
end;
procedure swap(var x, y: integer);
var t: integer;
begin
  t := x; x := y; y := t;
end;
procedure fill(var v: arr; k: integer);
var j: integer;
begin
  for j := 1 to 5 do v[j] := j * k;
end;
function sum(v: arr): integer;
var j, s: integer;
begin
  s := 0;
  for j := 1 to 5 do s := s + v[j];
  sum := s;
end;
procedure movept(var p: point; dx: integer);
begin
  p.x := p.x + dx; p.y := p.y - dx; p.r := p.r * 2;
end;
begin
  g := 0;
  outer(2);
  writeln(fib(15), ' ', fact(10):0:1);
  i := 3; total := 4;
  swap(i, total);
  writeln(i, ' ', total);
  fill(a, 3);
  writeln(sum(a), ' ', a[5]);
  pt.x := 1; pt.y := 2; pt.r := 1.5;
  movept(pt, 10);
  writeln(pt.x, ' ', pt.y, ' ', pt.r:0:2);
  pt2.x := pt.x; pt2.y := pt.y; pt2.r := pt.r;
  writeln(pt2.x, ' ', pt2.y, ' ', pt2.r:0:2);
  for i := 0 to 2 do for total := 1 to 3 do m[i, total] := i * 10 + total;
  writeln(m[0,1], ' ', m[1,2], ' ', m[2,3]);
  head := nil;
  for i := 1 to 5 do
  begin
    new(p);
    p^.vv := i * i;
    p^.name := 'node';
    p^.next := head;
    head := p;
  end;
  p := head; total := 0;
  while p <> nil do
  begin
    write(p^.vv, ' ', p^.name, ';');
    total := total + p^.vv;
    q := p;
    p := p^.next;
    dispose(q);
  end;
  writeln;
  writeln(total);
end.
