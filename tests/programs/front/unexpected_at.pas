PROGRAM Arroba;
VAR x: INTEGER;
BEGIN
  x := 1 @;
END.
