PROGRAM Bytes;
{ A character is the low byte of the value that made it: CHR(x) is x mod
  256, SUCC(#255) and INC(#255) are #0, PRED(#0) and DEC(#0) are #255, and a
  FOR over characters stops at its last one. Each line: the cases, then what
  they must give. }
VAR
  s: STRING;
  c, d: CHAR;
  i, n: INTEGER;
BEGIN
  n := -256;
  WRITELN(ORD(CHR(-1)), ' ', ORD(CHR(1000)), ' ', ORD(CHR(n)), ' ', ORD(CHR(-257)), ' ', ORD(CHR(65)), ' ', ORD(CHR(300)));
  WRITELN('255 232 0 255 65 44');
  c := #255;
  d := #0;
  WRITELN(ORD(SUCC(#255)), ' ', ORD(PRED(#0)), ' ', ORD(SUCC(c)), ' ', ORD(PRED(d)), ' ', ORD(PRED(SUCC(c))), ' ', ORD(SUCC('a')));
  WRITELN('0 255 0 255 255 98');
  s := 'banana';
  FOR i := 1 TO LENGTH(s) DO s[i] := CHR(ORD(s[i]) - 98);
  WRITELN(LENGTH(s), ' ', ORD(s[1]), ' ', ORD(s[2]));
  WRITELN('6 0 255');
  s := 'abc';
  FOR c := #250 TO #255 DO n := ORD(c);
  s[1] := c;
  FOR c := d DOWNTO #0 DO n := ORD(c);
  s[2] := c;
  WRITELN(LENGTH(s), ' ', ORD(s[1]), ' ', ORD(s[2]));
  WRITELN('3 255 0');
  c := #255;
  INC(c);
  DEC(d);
  s[1] := #255;
  INC(s[1]);
  DEC(s[1]);
  DEC(s[2]);
  WRITELN(LENGTH(s), ' ', ORD(c), ' ', ORD(d), ' ', ORD(s[1]), ' ', ORD(s[2]));
  WRITELN('3 0 255 255 255');
END.
