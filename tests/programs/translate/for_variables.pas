PROGRAM ForVariables;
TYPE Par = RECORD a, b: INTEGER; END;
VAR v: ARRAY[1..3] OF INTEGER; r: Par; q: ^INTEGER; k, total: INTEGER; c: CHAR;

PROCEDURE Count(VAR n: INTEGER);
BEGIN
  FOR n := 1 TO 4 DO WRITE(n, ' ');
  WRITELN;
END;

BEGIN
  k := 2;
  FOR v[k] := 1 TO 3 DO WRITE(v[2], ' ');
  WRITELN;
  FOR r.b := 5 DOWNTO 3 DO WRITE(r.b, ' ');
  WRITELN;
  Count(total);
  WRITELN(total);
  NEW(q);
  FOR q^ := 7 TO 9 DO WRITE(q^, ' ');
  WRITELN;
  FOR q^ := 1 TO 10 DO IF q^ = 3 THEN BREAK;
  WRITELN(q^);
  FOR c := 'a' TO 'e' DO WRITE(c);
  WRITELN;
  DISPOSE(q);
END.
