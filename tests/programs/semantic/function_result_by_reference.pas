PROGRAM T;
FUNCTION f(n: INTEGER): INTEGER;
BEGIN
  f := n;
END;
PROCEDURE incrementa(VAR z: INTEGER);
BEGIN
  z := z + 1;
END;
BEGIN
  incrementa(f(2));
END.
