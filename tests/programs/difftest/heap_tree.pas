{ A binary tree of heap records with strings, arrays and reals in them; walks, depth and disposal.
  Output checked against Free Pascal. }
program heap_tree;
type
  node = record
    key: integer;
    name: string[8];
    arr: array[1..3] of integer;
    r: real;
    left, right: ^node;
  end;
  pint = ^integer;
  pnode = ^node;
var root, p: ^node; i: integer; q: pint; total: integer; sp: ^string; rp: ^real;
  ca: array[1..3] of ^node;
procedure insert(var t: pnode; k: integer);
var n, cur: pnode; done: boolean;
begin
  new(n);
  n^.key := k; n^.name := 'n' + chr(48 + k mod 10); n^.left := nil; n^.right := nil;
  n^.arr[1] := k; n^.arr[2] := k * 2; n^.arr[3] := k * 3; n^.r := k / 2;
  if t = nil then t := n
  else
  begin
    cur := t; done := false;
    repeat
      if k < cur^.key then
      begin
        if cur^.left = nil then begin cur^.left := n; done := true; end else cur := cur^.left;
      end
      else
      begin
        if cur^.right = nil then begin cur^.right := n; done := true; end else cur := cur^.right;
      end;
    until done;
  end;
end;
procedure walk(t: pnode);
begin
  if t <> nil then
  begin
    walk(t^.left);
    write(t^.key, t^.name, t^.arr[2], ' ', t^.r:0:1, ' ');
    walk(t^.right);
  end;
end;
function depth(t: pnode): integer;
var a, b: integer;
begin
  if t = nil then depth := 0
  else
  begin
    a := depth(t^.left); b := depth(t^.right);
    if a > b then depth := a + 1 else depth := b + 1;
  end;
end;
procedure freeall(t: pnode);
begin
  if t <> nil then
  begin
    freeall(t^.left); freeall(t^.right); dispose(t);
  end;
end;
begin
  root := nil;
  insert(root, 50);
  for i := 1 to 12 do insert(root, (i * 37) mod 100);
  walk(root); writeln;
  writeln(depth(root));
  p := root;
  while p^.left <> nil do p := p^.left;
  writeln(p^.key, ' ', p^.name[2], ' ', length(p^.name));
  inc(p^.key); inc(p^.arr[2]); p^.name[1] := 'Z';
  writeln(p^.key, p^.arr[2], p^.name);
  writeln(root^.left^.key, ' ', root^.right^.right^.key);
  root^.left^.arr[3] := root^.right^.arr[1] + 1;
  writeln(root^.left^.arr[3]);
  new(q); q^ := 5; q^ := q^ * q^; writeln(q^); dispose(q);
  new(sp); sp^ := 'heap string'; sp^[1] := 'H'; writeln(sp^, length(sp^)); dispose(sp);
  new(rp); rp^ := 1.25; rp^ := rp^ * 4; writeln(rp^:0:2);
  for i := 1 to 3 do begin new(p); ca[i] := p; p^.key := i * 11; p^.left := nil; end;
  p := ca[1]; p^.left := ca[2]; p := ca[2]; p^.left := ca[3];
  p := ca[1];
  writeln(p^.left^.left^.key, ' ', p^.left^.key);
  total := 0;
  p := ca[1];
  while p <> nil do begin total := total + p^.key; p := p^.left; end;
  writeln(total);
  freeall(root);
  writeln('done');
end.
