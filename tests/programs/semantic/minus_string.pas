PROGRAM T;
VAR s: STRING;
BEGIN
  s := s - s;
END.
