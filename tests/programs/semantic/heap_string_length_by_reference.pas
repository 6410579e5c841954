PROGRAM T;
TYPE no = RECORD s: STRING[10]; END;
VAR p: ^no;
PROCEDURE preenche(VAR t: STRING);
BEGIN
  t := 'x';
END;
BEGIN
  NEW(p);
  preenche(p^.s);
END.
