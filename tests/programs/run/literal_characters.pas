PROGRAM Caracteres;
{ Every character of a literal that the console has is shown as written;
  the ones it lacks become '?'. Typed text compares equal to a literal. }
VAR
  linha: STRING;
BEGIN
  WRITELN('1º lugar, 2ª série, § 3, 25°C, A × B, «x»');
  WRITELN('¿¡ £ ¥ ± ² ³ µ ¶ · ¹ ¼ ½ ¾ ÷ ß è ÿ');
  WRITELN(ORD('º'), ' ', ORD('€'), ' ', ORD('é'), ' ', ORD('ã'));
  WRITELN('€ — “x” ‘y’ … • ™');
  READLN(linha);
  WRITELN(linha = '1º lugar, 2ª série, § 3, 25°C, A × B, «x»');
  READLN(linha);
  WRITELN(linha = 'João');
END.
