PROGRAM T;
TYPE no = RECORD r: REAL; s: STRING[10]; END;
VAR p: ^no;
PROCEDURE incrementa(VAR z: INTEGER);
BEGIN
  z := z + 1;
END;
BEGIN
  NEW(p);
  incrementa(p^.r);
END.
