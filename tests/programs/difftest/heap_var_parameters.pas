{ Pointers passed by reference: NEW and DISPOSE through VAR parameters, list reversal, chains of fields.
  Output checked against Free Pascal. }
program heap_var_parameters;
type node = record k: integer; nxt: ^node; end; pnode = ^node;
var h, q, r: pnode; i: integer;
procedure mk(var t: pnode; k: integer);
begin
  new(t); t^.k := k; t^.nxt := nil;
end;
procedure push(var head: pnode; k: integer);
var n: pnode;
begin
  mk(n, k); n^.nxt := head; head := n;
end;
procedure reverse(var head: pnode);
var prev, cur, nx: pnode;
begin
  prev := nil; cur := head;
  while cur <> nil do begin nx := cur^.nxt; cur^.nxt := prev; prev := cur; cur := nx; end;
  head := prev;
end;
procedure show(p: pnode);
begin
  while p <> nil do begin write(p^.k, ' '); p := p^.nxt; end;
  writeln;
end;
procedure kill(var t: pnode);
begin
  dispose(t); t := nil;
end;
begin
  h := nil;
  for i := 1 to 6 do push(h, i * i);
  show(h);
  reverse(h);
  show(h);
  h^.nxt^.nxt^.k := 999;
  q := h^.nxt;
  q^.nxt^.nxt := q^.nxt^.nxt^.nxt;
  show(h);
  writeln(h = q, ' ', h^.nxt = q, ' ', q <> nil);
  r := h^.nxt^.nxt;
  kill(r);
  writeln(r = nil);
  mk(r, 5); writeln(r^.k);
end.
