PROGRAM T;
VAR x: INTEGER;
PROCEDURE incrementa(VAR z: INTEGER);
BEGIN
  z := z + 1;
END;
BEGIN
  incrementa(x + 1);
END.
