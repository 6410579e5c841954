{ A FOR loop whose limit is the largest (TO) or the smallest (DOWNTO)
  integer runs to that value and stops; one more step would wrap around. }
program for_last_value;
const top = 2147483647; low = -2147483647;
type rec = record f: integer; end;
var i, n, lim: integer; a: array[1..3] of integer; r: rec; p: ^integer;
procedure viaref(var k: integer);
begin
  n := 0;
  for k := 2147483645 to lim do n := n + 1;
  writeln('var parameter ', n);
end;
procedure outer;
var o: integer;
  procedure inner;
  begin
    for i := 2147483646 to lim do n := n + 1;
    for o := -lim - 1 + 2 downto -lim - 1 do n := n + 10;
  end;
begin
  n := 0;
  inner;
  writeln('outer levels ', n);
end;
begin
  n := 0;
  for i := 2147483645 to 2147483647 do n := n + 1;
  writeln('literal ', n);
  n := 0;
  for i := top - 2 to top do n := n + 1;
  writeln('expression ', n);
  lim := 2147483647; n := 0;
  for i := lim - 1 to lim do n := n + 1;
  writeln('variable ', n);
  n := 0;
  for i := low - 1 downto low - 1 do n := n + 1;
  writeln('downto ', n);
  lim := low - 1; n := 0;
  for i := lim + 3 downto lim do begin n := n + 1; if i = lim then continue; end;
  writeln('continue ', n);
  lim := 2147483647;
  viaref(i);
  n := 0;
  for a[2] := lim - 2 to lim do n := n + 1;
  writeln('element ', n);
  n := 0;
  for r.f := -lim downto -lim - 1 do n := n + 1;
  writeln('field ', n);
  new(p); n := 0;
  for p^ := lim - 3 to lim do n := n + 1;
  writeln('pointer target ', n);
  outer;
  n := 0;
  for i := 1 to 3 do n := n + i;
  for i := 3 downto 1 do n := n + i;
  writeln('ordinary ', n);
end.
