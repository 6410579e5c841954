PROGRAM CaseStack;
VAR i, n: INTEGER;

PROCEDURE Show(k: INTEGER);
VAR local: INTEGER;
BEGIN
  local := k;
  CASE k OF
    1: WRITELN('um');
    2, 3: WRITELN('dois ou tres');
    4..6: WRITELN('quatro a seis');
  ELSE
    WRITELN('outro');
  END;
  WRITELN('local = ', local, ' k = ', k);
END;

FUNCTION Twice(k: INTEGER): INTEGER;
BEGIN
  CASE k OF
    0: Twice := 0;
  ELSE
    Twice := k + Twice(k - 1) - (k - 1);
  END;
END;

BEGIN
  FOR i := 0 TO 7 DO Show(i);
  n := 0;
  FOR i := 1 TO 10000 DO
  BEGIN
    CASE i MOD 3 OF
      0: CONTINUE;
      1: n := n + 1;
    END;
    CASE i OF
      9999: BREAK;
    END;
  END;
  WRITELN('n = ', n);
  n := 0;
  WHILE TRUE DO
  BEGIN
    n := n + 1;
    CASE n OF
      1..4: n := n + 0;
      5: BREAK;
    END;
  END;
  WRITELN('n = ', n);
  WRITELN('twice = ', Twice(50));
END.
