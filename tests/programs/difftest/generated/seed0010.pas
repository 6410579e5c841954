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
  g9: STR20;
  g10: STRING;
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
PROCEDURE p18(a19: VEC);
VAR
  l20: EN;
  g16: INTEGER;
  l22: INTEGER;
  g3: STR20;
FUNCTION f24(a25: VEC; a26: REAL): STRING;
VAR
  l27: EN;
  l28: BOOLEAN;
  l29: INTEGER;
  l30: CHAR;
  fi37: INTEGER;
  w1: INTEGER;
FUNCTION f31(a32: CHAR): CHAR;
VAR
  l33: REAL;
  l34: BOOLEAN;
  l35: EN;
  l36: STR20;
BEGIN
  l33 := 52.3;
  l34 := TRUE;
  l35 := E0;
  l36 := '.M';
  f31 := 'j';
  l33 := (ARCTAN((ABS(g14.R) + (-a26))) * 100);
  l33 := ABS(l33);
  f31 := 'u';
  BEGIN
    f31 := g9[1 + ABS((K1) MOD LENGTH(g9))];
    l36 := '4?';
  END;
END;
BEGIN
  l27 := E0;
  l28 := TRUE;
  l29 := 4;
  l30 := 'n';
  f24 := 'RH62Q&::t';
  w1 := 0;
  WHILE (w1 < 2) AND ODD((-7)) DO
  BEGIN
    w1 := w1 + 1;
    IF (37419 <= g2) THEN BREAK;
    FOR fi37 := 2 DOWNTO 0 DO
    BEGIN
    END;
  END;
  l28 := FALSE;
  l29 := ROUND((K3) * 1.0001 + 0.0003);
END;
PROCEDURE p38(a39: VEC; a40: REC);
VAR
  l41: CHAR;
  l42: CHAR;
  l43: EN;
  l44: BOOLEAN;
BEGIN
  l41 := 'k';
  l42 := '+';
  l43 := E2;
  l44 := FALSE;
  g15[ABS((LENGTH(g9)) MOD 3)] := g9;
  g5 := 2;
  WRITELN('l42=', l42);
  WRITELN('l44=', l44);
END;
BEGIN
  l20 := E0;
  g16 := 10;
  l22 := 588;
  g3 := ':/Pg<';
  g14.S := (('S' + g15[ABS((618) MOD 3)]) + (K5 + g14.S));
  g10 := K2;
  WRITELN('l20=', ORD(l20));
  WRITELN('g16=', g16);
  WRITELN('g3=', g3);
END;
FUNCTION f45: BOOLEAN;
VAR
  g17: INTEGER;
  l47: BOOLEAN;
  l48: REAL;
  l49: CHAR;
  l50: INTEGER;
  fi57: INTEGER;
PROCEDURE p51(a52: REAL; a53: EN; a54: EN);
VAR
  l55: REAL;
  l56: INTEGER;
BEGIN
  l55 := 79.158;
  l56 := 7;
  l50 := ((PRED((g14.V[1 + ABS((l50) MOD 3)] + g12[1 + ABS((g14.V[1 + ABS((l56) MOD 3)]) MOD 5)]))) MOD 100003);
  p18(g12);
  l47 := (g16[1 + ABS(((g12[1 + ABS((l56) MOD 5)] + g1)) MOD LENGTH(g16))] <> K5);
  g9 := g16;
  WRITELN('l55=', l55:0:4);
  WRITELN('l56=', l56);
END;
BEGIN
  g17 := 14;
  l47 := FALSE;
  l48 := 33.512;
  l49 := 'G';
  l50 := 14;
  f45 := g6;
  IF ((149 <= (l50 + l50)) OR ((SUCC(E1) <> SUCC(E2)) = (g3 > g3))) THEN
  BEGIN
      CASE E2 OF
        E3, E0..E2:
          f45 := (((15 * 92) >= 5) AND (('t' >= ':') <> ODD(g12[1 + ABS((g17) MOD 5)])));
      END;
  END;
  IF l47 THEN
  BEGIN
      FOR fi57 := (-1) TO 0 DO
      BEGIN
        f45 := (g11 = g11);
      END;
  END
  ELSE
  BEGIN
  END;
  f45 := (g6 <> (ORD(E0) > g3));
  l49 := g8;
END;
FUNCTION f58(a59: INTEGER; a60: REC; a61: REC): REAL;
VAR
  l62: REAL;
  l63: INTEGER;
  l64: REAL;
  l65: REAL;
  l66: BOOLEAN;
BEGIN
  l62 := 53.2;
  l63 := 40311;
  l64 := 3.3;
  l65 := 40.7;
  l66 := TRUE;
  f58 := (ARCTAN((2.54 + l63)) * 100);
  IF ABS(l63) < 999990 THEN DEC(l63);
  IF ABS(a59) < 999990 THEN INC(a59);
END;
FUNCTION f67(a68: INTEGER; a69: REAL): CHAR;
VAR
  g16: STR20;
  l71: BOOLEAN;
  l72: REAL;
  fc73: CHAR;
  w1: INTEGER;
BEGIN
  g16 := 'u9UY';
  l71 := TRUE;
  l72 := 73.33;
  f67 := g16[1 + ABS((ORD(']')) MOD LENGTH(g16))];
  w1 := 0;
  WHILE (w1 < 1) AND g6 DO
  BEGIN
    w1 := w1 + 1;
    FOR fc73 := 'n' TO 'p' DO
    BEGIN
      a69 := LN(ABS(LN(ABS((g4 * g5)) + 1)) + 1);
      g16 := g15[ABS((g12[1 + ABS((g14.A) MOD 5)]) MOD 3)];
    END;
    a69 := (ARCTAN((ARCTAN((a68 + g4)) - g12[1 + ABS(((g3 - g1)) MOD 5)])) * 100);
    f67 := PRED(CHR(33 + ABS(((PRED(g3) + a68)) MOD 93)));
  END;
  g16 := ((g15[ABS((g17) MOD 3)] + g7) + ('F' + K2));
END;
PROCEDURE p74(a75: REC; a76: INTEGER);
VAR
  l77: EN;
  l78: BOOLEAN;
  l79: CHAR;
  l80: STR8;
  l81: INTEGER;
  fc96: CHAR;
PROCEDURE p82(a83: EN);
VAR
  g5: INTEGER;
  l85: BOOLEAN;
  g16: INTEGER;
  l87: INTEGER;
BEGIN
  g5 := 514;
  l85 := FALSE;
  g16 := 350;
  l87 := 18;
  p18(g12);
  a75.S := '*L';
  BEGIN NEW(gq); gq^.K := (((g17 - LENGTH('vsW&&b93'))) MOD 100003); gq^.T := ('Zy>;(9' + K2); gq^.NXT := gh; gh := gq; END;
  p18(g12);
  WRITELN('l85=', l85);
  WRITELN('g16=', g16);
  WRITELN('l87=', l87);
END;
FUNCTION f88(a89: INTEGER; a90: VEC; a91: STR20): INTEGER;
VAR
  l92: STR8;
  g3: STR20;
  l94: REAL;
  fi95: INTEGER;
BEGIN
  l92 := 'Xlq8jMx.8';
  g3 := 'h9LfUi';
  l94 := 67.5;
  f88 := ((((78 MOD (ABS((LENGTH('VQ;)[[LX')) MOD 8) + 1)) + g2)) MOD 100003);
  g3 := (g3 + K2);
  a89 := (12 - SUCC((86891)));
  FOR fi95 := 1 TO 3 DO
    f88 := TRUNC((98.6 / (ABS((l94 + K3)) + 0.25)));
END;
BEGIN
  l77 := E0;
  l78 := TRUE;
  l79 := '0';
  l80 := 'i*3.H';
  l81 := 0;
  l78 := (g6 = K4);
  IF (l77 <> g11) THEN
  BEGIN
    IF f45 THEN
      g3 := g14.V[1 + ABS((13) MOD 3)]
    ELSE
      IF l77 <> E0 THEN l77 := PRED(l77);
    IF ABS(g3) < 999990 THEN INC(g3);
  END;
  IF ABS(g17) < 999990 THEN DEC(g17);
  WRITELN('Aje[s)IPG!(S', ' ', (ABS(g3) * (g3 MOD 100)):6, ' ', (SQRT(ABS((g14.V[1 + ABS((38) MOD 3)] / (ABS((l81) MOD 7) + 1)))) + 0.0):0:4, ' ', l79);
  CASE ABS((a75.A) MOD 7) OF
    0..2:
    BEGIN
      l78 := (g13[1 + ABS((l81) MOD 3), ABS(((g1 - K1)) MOD 3)] = g2);
      WRITELN(l80, ' ', ((a75.A + ABS(g4)) + 0.0):4:2, ' ', (g2 - K1), ' ', g6:3);
      l78 := K4;
    END;
    4, 5..7:
    BEGIN
      WRITELN(g10, ' ', f45, ' ', CHR(33 + ABS((18) MOD 93)):6, ' ', g15[ABS((ROUND((55.1) * 1.0001 + 0.0003)) MOD 3)]);
      g13[1 + ABS((g3) MOD 3), ABS((16) MOD 3)] := ORD('H');
    END;
    3:
    BEGIN
      WRITELN('Lt,Iw)A,]qj':7, ' ', (K3 + 0.0):5:2, ' ', g16);
      g17 := LENGTH(('H' + 'T 4TZ%uV]D'));
    END;
  END;
  FOR fc96 := 's' TO 'r' DO
  BEGIN
    g16 := (CHR(33 + ABS((446) MOD 93)) + (g9 + '+'));
  END;
  WRITELN('l77=', ORD(l77));
  WRITELN('l80=', l80);
END;
BEGIN
  gh := NIL;
  g1 := 740;
  g2 := 0;
  g3 := 768;
  g4 := 40.6;
  g5 := 85.479;
  g6 := FALSE;
  g7 := '<';
  g8 := 'i';
  g9 := 'vO9%552X[4';
  g10 := '7J+tr';
  g11 := E1;
  FOR fi0 := 1 TO 5 DO g12[fi0] := fi0 * 1;
  FOR fi0 := 1 TO 3 DO FOR fj0 := 0 TO 2 DO g13[fi0, fj0] := fi0 * 6 - fj0;
  g14.A := 0; g14.R := 11.9; g14.S := 'Zn5w(f) emh-'; g14.C := 'v';
  FOR fi0 := 1 TO 3 DO g14.V[fi0] := fi0 + 3;
  FOR fi0 := 0 TO 2 DO g15[fi0] := 'XQj-1pA9W(),';
  g16 := '7;3>>Q.';
  g17 := 848;
  p74(g14, g13[1 + ABS((2) MOD 3), ABS((g17) MOD 3)]);
  WRITE(CHR(33 + ABS((20) MOD 93)), ' ', PRED(ORD(g7)), ' ', K2[1 + ABS((12) MOD LENGTH(K2))], ' ', g8);
  WRITE(K2, ' ', g16);
  w1 := 0;
  WHILE (w1 < 4) AND (g6 OR (g6 AND K4)) DO
  BEGIN
    w1 := w1 + 1;
    IF ABS(g2) < 999990 THEN DEC(g2);
    g6 := g6;
  END;
  g10 := (g10 + g9);
  BEGIN
    p18(g12);
    p74(g14, g1);
    g1 := K1;
  END;
  IF g11 <> E3 THEN g11 := SUCC(g11);
  BEGIN
    g4 := EXP(SIN(g14.R));
  END;
  p74(g14, g1);
  p74(g14, (g2 - g2));
  BEGIN gq := gh; WHILE gq <> NIL DO BEGIN WRITE(gq^.K, gq^.T, ' '); gq := gq^.NXT; END; WRITELN; END;
  IF g11 <> E0 THEN g11 := PRED(g11);
  WRITELN((g15[ABS((19) MOD 3)] + g10):13, ' ', (g16 + K2[1 + ABS((g13[1 + ABS((g1) MOD 3), ABS((g2) MOD 3)]) MOD LENGTH(K2))]));
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
  WRITELN(gf, g17, ' ', g5:0:3); WRITE(gf, g16); WRITELN(gf); CLOSE(gf);
  RESET(gf); READ(gf, gfi); READLN(gf, gfr); READLN(gf, gfs); CLOSE(gf);
  WRITELN(gfi, ' ', gfr:0:3, ' [', gfs, ']');
  APPEND(gf); WRITELN(gf, 'more'); CLOSE(gf); RESET(gf); gfi := 0;
  WHILE NOT EOF(gf) DO BEGIN READLN(gf, gfs); gfi := gfi + 1; END; CLOSE(gf);
  WRITELN(gfi, ' lines, last [', gfs, ']');
  gq := gh; WHILE gq <> NIL DO BEGIN WRITE(gq^.K, gq^.T, ' '); gq := gq^.NXT; END; WRITELN;
END.
