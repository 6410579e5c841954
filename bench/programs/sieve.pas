PROGRAM BenchSieve;
{ Sieve of Eratosthenes, repeated: array indexing and boolean stores. }
CONST
  limite = 100000;
VAR
  composto: ARRAY[2..100000] OF BOOLEAN;
  i, j, rodada, primos, total: INTEGER;
BEGIN
  total := 0;
  FOR rodada := 1 TO 20 DO
  BEGIN
    FOR i := 2 TO limite DO
      composto[i] := FALSE;
    primos := 0;
    FOR i := 2 TO limite DO
      IF NOT composto[i] THEN
      BEGIN
        primos := primos + 1;
        j := i + i;
        WHILE j <= limite DO
        BEGIN
          composto[j] := TRUE;
          j := j + i;
        END;
      END;
    total := total + primos;
  END;
  WRITELN(total);
END.
