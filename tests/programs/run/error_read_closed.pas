program leitura;
var f: text; i: integer;
begin
  assign(f, 'nada.txt');
  readln(f, i);
end.
