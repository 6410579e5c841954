PROGRAM Senao;
VAR X: INTEGER;
BEGIN
  X := 1;
  IF X = 1 THEN
    X := 2;
  ELSE
    X := 3;
END.
