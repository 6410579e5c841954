program enumeracao;
type cor = (vermelho, verde, azul);
var c: cor;
begin
  c := azul;
  writeln(ord(pred(c)));
  c := succ(c);
  writeln('nao chega');
end.
