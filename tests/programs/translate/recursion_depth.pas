PROGRAM RecursionDepth;
VAR grande: ARRAY[1..100000] OF INTEGER; profundidade: INTEGER;

PROCEDURE Desce(n: INTEGER);
VAR local: INTEGER;
BEGIN
  local := n;
  IF n > profundidade THEN profundidade := n;
  IF n < 5000 THEN Desce(n + 1);
  IF local <> n THEN WRITELN('local perdido');
END;

FUNCTION Soma(n: INTEGER): INTEGER;
BEGIN
  IF n = 0 THEN Soma := 0 ELSE Soma := n + Soma(n - 1);
END;

BEGIN
  grande[100000] := 1;
  profundidade := 0;
  Desce(1);
  WRITELN(profundidade);
  WRITELN(Soma(5000));
  WRITELN(grande[100000]);
END.
