PROGRAM BenchVarParams;
{ Procedure calls with VAR parameters: sorting three values by swaps. }
VAR
  a, b, c, total, i: INTEGER;

PROCEDURE Troca(VAR x, y: INTEGER);
VAR
  aux: INTEGER;
BEGIN
  aux := x;
  x := y;
  y := aux;
END;

PROCEDURE Ordena(VAR x, y, z: INTEGER);
BEGIN
  IF x > y THEN
    Troca(x, y);
  IF y > z THEN
    Troca(y, z);
  IF x > y THEN
    Troca(x, y);
END;

PROCEDURE Acumula(VAR soma: INTEGER; valor: INTEGER);
BEGIN
  soma := (soma + valor) MOD 1000003;
END;

BEGIN
  total := 0;
  FOR i := 1 TO 300000 DO
  BEGIN
    a := (i * 37) MOD 101;
    b := (i * 53) MOD 103;
    c := (i * 71) MOD 107;
    Ordena(a, b, c);
    Acumula(total, a * 3 + b * 2 + c);
  END;
  WRITELN(total);
END.
