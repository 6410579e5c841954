PROGRAM Expressions;
TYPE Cor = (Vermelho, Verde, Azul);
VAR i, j: INTEGER; x, y: REAL; b: BOOLEAN; c: CHAR; s, t: STRING; k: Cor;
BEGIN
  i := 17; j := 5; x := 2.5; y := 4;
  WRITELN(i + j, ' ', i - j, ' ', i * j, ' ', i DIV j, ' ', i MOD j, ' ', -i MOD j);
  WRITELN((i / j):0:3, ' ', (x + i):0:2, ' ', (i - x):0:2, ' ', (x * j):0:2, ' ', (y / x):0:3);
  WRITELN(i > j, ' ', i < j, ' ', i = 17, ' ', i <> 17, ' ', i >= 17, ' ', j <= 4);
  WRITELN(x < i, ' ', i > x, ' ', x = 2.5, ' ', y >= x);
  b := (i > 0) AND (j > 0);
  WRITELN(b, ' ', (i < 0) OR (j > 0), ' ', NOT b, ' ', (i < 0) AND (i DIV (j - 5) > 1), ' ', (i > 0) OR (i DIV (j - 5) > 1));
  c := 'm';
  WRITELN(c < 'z', ' ', c > 'z', ' ', c = 'm');
  s := 'abc'; t := 'abd';
  WRITELN(s < t, ' ', s = 'abc', ' ', s <> t, ' ', s >= t, ' ', 'b' > s, ' ', s < 'b');
  WRITELN(s + t, ' ', s + 'x', ' ', 'x' + s, ' ', c + c, ' ', LENGTH(s + t + c));
  WRITELN(-x:0:2, ' ', -(-i), ' ', +i);
  WRITELN(ABS(-7), ' ', ABS(-2.5):0:2, ' ', SQR(7), ' ', SQR(1.5):0:2, ' ', SQRT(16):0:2);
  WRITELN(TRUNC(7.9), ' ', TRUNC(-7.9), ' ', ROUND(7.4), ' ', ROUND(7.6), ' ', TRUNC(5));
  WRITELN(SIN(0):0:2, ' ', COS(0):0:2, ' ', ARCTAN(1) * 4:0:4, ' ', EXP(0):0:2, ' ', LN(1):0:2, ' ', EXP(1):0:4);
  WRITELN(ORD('A'), ' ', CHR(66), ' ', UPCASE('c'), ' ', SUCC(5), ' ', PRED(5), ' ', ODD(3), ' ', ODD(4));
  k := Verde;
  WRITELN(ORD(k), ' ', ORD(SUCC(k)), ' ', ORD(PRED(k)), ' ', k = Verde, ' ', k <> Azul);
  i := RANDOM(10);
  WRITELN((i >= 0) AND (i < 10));
  WRITELN(LENGTH(''), ' ', LENGTH('abc'), ' ', 7 DIV 2 * 2, ' ', 2 + 3 * 4, ' ', (2 + 3) * 4);
END.
