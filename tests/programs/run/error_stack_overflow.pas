program estouro;
procedure p(n: integer);
begin
  p(n + 1);
end;
begin
  p(1);
end.
