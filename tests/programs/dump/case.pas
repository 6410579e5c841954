PROGRAM T;
VAR x: INTEGER;
BEGIN
  CASE x OF
    1, 3..5: x := 0;
    7: x := 1;
  END;
END.
