PROGRAM T;
VAR q: ^INTEGER;
PROCEDURE incrementa(VAR z: INTEGER);
BEGIN
  z := z + 1;
END;
BEGIN
  NEW(q);
  incrementa(q^ * 2);
END.
