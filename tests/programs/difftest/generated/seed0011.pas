PROGRAM gen;
CONST
  K1 = 7; K2 = 'konst'; K3 = 2.5; K4 = TRUE; K5 = 'k';
TYPE
  STR8 = STRING[8];
  STR20 = STRING[20];
  EN = (E0, E1, E2, E3);
  VEC = ARRAY[1..5] OF INTEGER;
  MAT = ARRAY[1..3, 0..2] OF INTEGER;
  REC = RECORD A: INTEGER; R: REAL; S: STRING[12]; C: CHAR; V: ARRAY[1..3] OF INTEGER; END;
  STRS = ARRAY[0..2] OF STR8;
  NODE = RECORD K: INTEGER; T: STRING[6]; NXT: ^NODE; END;
  PNODE = ^NODE;
VAR
  g1: INTEGER;
  g2: INTEGER;
  g3: INTEGER;
  g4: REAL;
  g5: REAL;
  g6: BOOLEAN;
  g7: CHAR;
  g8: CHAR;
  g9: STR8;
  g10: STR20;
  g11: EN;
  g12: VEC;
  g13: MAT;
  g14: REC;
  g15: STRS;
  g16: STR8;
  g17: INTEGER;
  w1: INTEGER;
  fi0: INTEGER;
  fj0: INTEGER;
  gh, gq: PNODE;
  gf: TEXT;
  gfi: INTEGER;
  gfr: REAL;
  gfs: STRING;
PROCEDURE p18(a19: REAL);
VAR
  l20: EN;
  g17: STR20;
  l22: INTEGER;
  l23: INTEGER;
  l24: CHAR;
  fi25: INTEGER;
BEGIN
  l20 := E1;
  g17 := 'b!iheyE(d7P';
  l22 := 6;
  l23 := 20;
  l24 := 'L';
  g14.A := ORD(E2);
  WRITE(l24, ' ', g17);
  FOR fi25 := (-3) TO (-1) DO
  BEGIN
    BEGIN
      WRITELN(('rFm' + g16):8, ' ', (g2 * K1));
      g6 := (NOT (g1 <> SUCC(g13[1 + ABS((g1) MOD 3), ABS((g3) MOD 3)])));
    END;
    l20 := SUCC(E0);
    IF (NOT TRUE) THEN CONTINUE;
  END;
  IF l20 <> E3 THEN l20 := SUCC(l20);
  l22 := ORD(')');
  WRITELN('l20=', ORD(l20));
  WRITELN('l24=', l24);
END;
PROCEDURE p26;
VAR
  l27: REAL;
  l28: REAL;
  g3: INTEGER;
  l30: INTEGER;
BEGIN
  l27 := 46.1;
  l28 := 42.7;
  g3 := 707;
  l30 := 4;
  g14.A := LENGTH((g10 + (K2 + 'R')));
  p18((-18));
  l30 := K1;
  IF ABS(g12[1 + ABS((g17) MOD 5)]) < 999990 THEN DEC(g12[1 + ABS((g17) MOD 5)]);
  WRITELN(CHR(33 + ABS((g12[1 + ABS((g17) MOD 5)]) MOD 93)):0);
  g14.R := 51.5;
  WRITELN('l28=', l28:0:4);
  WRITELN('g3=', g3);
END;
PROCEDURE p31(VAR a32: EN);
VAR
  l33: REAL;
  l34: INTEGER;
  g2: INTEGER;
  l36: CHAR;
FUNCTION f37(a38: CHAR; a39: BOOLEAN; a40: EN): BOOLEAN;
VAR
  g1: EN;
  l42: BOOLEAN;
  l43: STR20;
  l44: CHAR;
  l45: BOOLEAN;
PROCEDURE p46(VAR a47: VEC; VAR a48: CHAR; a49: REAL);
VAR
  l50: CHAR;
  l51: INTEGER;
  fc52: CHAR;
BEGIN
  l50 := 'V';
  l51 := 89717;
  FOR fc52 := 'v' DOWNTO 'w' DO
    g2 := 65590;
  g5 := (16 / (ABS(SQR(g14.R)) + 1.5));
  WRITELN('l50=', l50);
END;
BEGIN
  g1 := E0;
  l42 := FALSE;
  l43 := 'PHcS,ke4R+';
  l44 := '1';
  l45 := FALSE;
  f37 := ((K1 + g13[1 + ABS((14) MOD 3), ABS((11275) MOD 3)]) <> LENGTH('GNW[AMs-!I'));
  IF a40 <> E3 THEN a40 := SUCC(a40);
  BEGIN
    f37 := ((l34 + g13[1 + ABS((11) MOD 3), ABS((g2) MOD 3)]) > ARCTAN(g4));
  END;
END;
BEGIN
  l33 := 55.8;
  l34 := 20;
  g2 := 16;
  l36 := ']';
  g6 := ((K3 > g12[1 + ABS((g3) MOD 5)]) AND (ROUND((g1) * 1.0001 + 0.0003) <> g2));
  a32 := g11;
  IF K4 THEN
    l34 := 14
  ELSE
  BEGIN
    g9 := g16;
  END;
  WRITELN('l33=', l33:0:4);
  WRITELN('g2=', g2);
  WRITELN('l36=', l36);
END;
FUNCTION f53: REAL;
VAR
  l54: STR8;
  l55: STRING;
  l56: REAL;
  l57: STR8;
  g6: STR20;
  w1: INTEGER;
BEGIN
  l54 := 'xZAxjRM8';
  l55 := 'bT$';
  l56 := 85.034;
  l57 := 'RBZ/x?';
  g6 := 'X;.';
  f53 := LN(ABS(l56) + 1);
  w1 := 0;
  REPEAT
    w1 := w1 + 1;
    f53 := (ARCTAN(((g17) / (ABS((((g3 - g13[1 + ABS((19) MOD 3), ABS((g1) MOD 3)]))) MOD 7) + 1))) * 100);
  UNTIL (w1 >= 4) OR K4;
END;
FUNCTION f59(a60: VEC; a61: CHAR): CHAR;
VAR
  l62: EN;
  l63: REAL;
  l64: INTEGER;
  l65: INTEGER;
  w1: INTEGER;
  w2: INTEGER;
BEGIN
  l62 := E0;
  l63 := 74.60;
  l64 := 41843;
  l65 := 7;
  f59 := g10[1 + ABS((SQR((g3) MOD 1000)) MOD LENGTH(g10))];
  w1 := 0;
  WHILE (w1 < 4) AND (11 <= g3) DO
  BEGIN
    w1 := w1 + 1;
    w2 := 0;
    REPEAT
      w2 := w2 + 1;
      a61 := PRED(CHR(33 + ABS((l65) MOD 93)));
    UNTIL (w2 >= 4) OR ODD((g14.A - g14.V[1 + ABS((7) MOD 3)]));
    IF l62 <> E3 THEN l62 := SUCC(l62);
  END;
  IF (ABS(4) = TRUNC(17)) THEN
  BEGIN
    f59 := CHR(33 + ABS((506) MOD 93));
    f59 := g7;
    l65 := ORD(PRED(CHR(33 + ABS((g17) MOD 93))));
  END
  ELSE
  BEGIN
  END;
END;
BEGIN
  gh := NIL;
  g1 := 18;
  g2 := 5;
  g3 := 14;
  g4 := 66.03;
  g5 := 20.8;
  g6 := FALSE;
  g7 := 'c';
  g8 := '2';
  g9 := '<-N';
  g10 := 'kQkJnOkd$&';
  g11 := E1;
  FOR fi0 := 1 TO 5 DO g12[fi0] := fi0 * 2;
  FOR fi0 := 1 TO 3 DO FOR fj0 := 0 TO 2 DO g13[fi0, fj0] := fi0 * 7 - fj0;
  g14.A := 7; g14.R := 97.85; g14.S := 'YSRQr. ?j'; g14.C := '#';
  FOR fi0 := 1 TO 3 DO g14.V[fi0] := fi0 + 0;
  FOR fi0 := 0 TO 2 DO g15[fi0] := 'SaWl7-$d';
  g16 := 'Ubo11sFu$W';
  g17 := 328;
  BEGIN
    IF gh <> NIL THEN BEGIN gq := gh; gh := gh^.NXT; DISPOSE(gq); END;
    w1 := 0;
    REPEAT
      w1 := w1 + 1;
      IF ('c<9eOnzxT' >= g16) THEN BREAK;
      WRITELN((f53 + 0.0):10:4, ' ', '+l9CZgB');
    UNTIL (w1 >= 1) OR ((926 >= g17) AND (NOT g6));
  END;
  IF ((NOT K4) AND TRUE) THEN
  BEGIN
    g14.V[1 + ABS(((310 - 11920)) MOD 3)] := g2;
    IF g11 <> E0 THEN g11 := PRED(g11);
  END;
  p26;
  BEGIN
    g14.C := SUCC(CHR(33 + ABS((((14) - g3)) MOD 93)));
  END;
  w1 := 0;
  WHILE (w1 < 2) AND ((g14.V[1 + ABS((98949) MOD 3)] > g3) AND K4) DO
  BEGIN
    w1 := w1 + 1;
    IF (NOT (K4 = (2 > g4))) THEN BREAK;
    p18(g4);
  END;
  g14.A := TRUNC(f53);
  IF gh <> NIL THEN IF gh^.NXT <> NIL THEN gh^.NXT^.T[1] := g7;
  g11 := g11;
  IF gh <> NIL THEN BEGIN gq := gh; gh := gh^.NXT; DISPOSE(gq); END;
  g3 := LENGTH((g9 + 'z'));
  g17 := (((g3 * (g17 MOD 100))) MOD 100003);
  WRITELN('g1=', g1);
  WRITELN('g2=', g2);
  WRITELN('g3=', g3);
  WRITELN('g4=', g4:0:4);
  WRITELN('g5=', g5:0:4);
  WRITELN('g6=', g6);
  WRITELN('g7=', g7);
  WRITELN('g8=', g8);
  WRITELN('g9=', g9);
  WRITELN('g10=', g10);
  WRITELN('g11=', ORD(g11));
  FOR fi0 := 1 TO 5 DO WRITE(g12[fi0], ' '); WRITELN;
  FOR fi0 := 1 TO 3 DO FOR fj0 := 0 TO 2 DO WRITE(g13[fi0, fj0], ' '); WRITELN;
  WRITELN(g14.A, ' ', g14.R:0:4, ' ', g14.S, ' ', g14.C, ' ', g14.V[1], ' ', g14.V[2], ' ', g14.V[3]);
  WRITELN(g15[0], '|', g15[1], '|', g15[2]);
  WRITELN('g16=', g16);
  WRITELN('g17=', g17);
  ASSIGN(gf, 'gen.txt'); REWRITE(gf);
  WRITELN(gf, g3, ' ', g5:0:3); WRITE(gf, g10); WRITELN(gf); CLOSE(gf);
  RESET(gf); READ(gf, gfi); READLN(gf, gfr); READLN(gf, gfs); CLOSE(gf);
  WRITELN(gfi, ' ', gfr:0:3, ' [', gfs, ']');
  APPEND(gf); WRITELN(gf, 'more'); CLOSE(gf); RESET(gf); gfi := 0;
  WHILE NOT EOF(gf) DO BEGIN READLN(gf, gfs); gfi := gfi + 1; END; CLOSE(gf);
  WRITELN(gfi, ' lines, last [', gfs, ']');
  gq := gh; WHILE gq <> NIL DO BEGIN WRITE(gq^.K, gq^.T, ' '); gq := gq^.NXT; END; WRITELN;
END.
