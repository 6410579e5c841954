PROGRAM BenchLoops;
{ Nested integer loops with DIV and MOD. }
VAR
  i, j, k, soma: INTEGER;
BEGIN
  soma := 0;
  FOR i := 1 TO 300 DO
    FOR j := 1 TO 300 DO
      FOR k := 1 TO 30 DO
        soma := (soma + (i * j) DIV k + (i + j) MOD (k + 1)) MOD 1000003;
  WRITELN(soma);
END.
