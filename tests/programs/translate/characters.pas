PROGRAM Characters;
VAR c: CHAR; s: STRING; i: INTEGER;
BEGIN
  c := CHR(200);
  WRITELN(ORD(c));
  IF c = #200 THEN WRITELN('igual');
  c := #255;
  WRITELN(ORD(c));
  s := 'a' + c + 'b';
  WRITELN(LENGTH(s), ' ', ORD(s[2]), ' ', s[3]);
  FOR i := -3 TO 3 DO WRITE(ODD(i), ' ');
  WRITELN;
  WRITELN(ORD(#128), ' ', ORD(UPCASE('q')), ' ', LENGTH('x'), ' ', LENGTH(c));
  WRITELN(SUCC('a'), PRED('c'), ORD(SUCC(#254)));
END.
