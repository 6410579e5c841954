program Demo;
var total, i: integer;
    nome: string;
begin
  total := 0;
  for i := 1 to 10 do
    total := total + i;
  { a comment }
  nome := 'resultado';
  if total > 50 then
    writeln(nome, ': ', total)
  else
    writeln('pequeno');
end.
