PROGRAM Arguments;
TYPE Vetor = ARRAY[1..3] OF INTEGER; Str5 = STRING[5];
VAR i: INTEGER; x: REAL; s: STRING; s5: STRING[5]; c: CHAR; v: Vetor;
    p: ^STRING;

PROCEDURE ShowReal(r: REAL);
BEGIN
  WRITELN(r:0:2);
END;

PROCEDURE ShowShort(t: Str5);
BEGIN
  WRITELN('[', t, '] ', LENGTH(t));
END;

PROCEDURE ShowLong(t: STRING);
BEGIN
  WRITELN('[', t, '] ', LENGTH(t));
END;

PROCEDURE AddTo(VAR total: INTEGER; k: INTEGER);
BEGIN
  total := total + k;
END;

PROCEDURE Twice(VAR r: REAL);
BEGIN
  r := r * 2;
END;

FUNCTION G(k: INTEGER): INTEGER;
BEGIN
  G := k * 10;
END;

FUNCTION F(a, b: INTEGER): INTEGER;
BEGIN
  F := a + b;
END;

FUNCTION Name(k: INTEGER): STRING;
BEGIN
  IF k = 1 THEN Name := 'um' ELSE Name := 'muitos';
END;

FUNCTION Sum(w: Vetor): INTEGER;
VAR k, t: INTEGER;
BEGIN
  t := 0;
  FOR k := 1 TO 3 DO t := t + w[k];
  Sum := t;
END;

PROCEDURE Pair(a: INTEGER; t: STRING);
BEGIN
  WRITELN(a, ' ', t);
END;

BEGIN
  i := 7;
  ShowReal(3);
  ShowReal(i);
  ShowReal(i * 2 + 1);
  ShowReal(i / 2);
  x := 1.5;
  Twice(x);
  ShowReal(x);
  s := 'abcdefgh';
  s5 := 'xy';
  c := 'z';
  ShowShort('abcdefgh');
  ShowShort(s);
  ShowShort(s5);
  ShowShort(c);
  ShowShort('q');
  ShowShort(s5 + s);
  ShowShort(Name(1));
  ShowShort(Name(2));
  ShowLong(s + '-' + s5 + c);
  ShowLong(Name(2) + '!');
  NEW(p);
  p^ := 'heap';
  ShowLong(p^);
  ShowShort(p^ + p^);
  DISPOSE(p);
  AddTo(i, 3);
  WRITELN(i);
  v[1] := 1; v[2] := 2; v[3] := 3;
  AddTo(v[2], 40);
  WRITELN(Sum(v));
  Pair(F(G(1), 2), s + 't');
  Pair(F(F(1, 2), F(G(2), G(3))), Name(F(0, 1)) + Name(2));
  s := '';
  FOR i := 1 TO 30 DO s := s + 'abcdefghij';
  ShowLong(s + 'xyz');
  WRITELN(LENGTH(s + s));
END.
