PROGRAM T;
VAR s: STRING; c: CHAR;
BEGIN
  c := s[1, 2];
END.
