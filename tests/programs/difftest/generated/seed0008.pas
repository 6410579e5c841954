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
  g9: STRING;
  g10: STR8;
  g11: EN;
  g12: VEC;
  g13: MAT;
  g14: REC;
  g15: STRS;
  g16: STR8;
  g17: INTEGER;
  fe58: EN;
  fi59: INTEGER;
  w1: INTEGER;
  w2: INTEGER;
  fi0: INTEGER;
  fj0: INTEGER;
  gh, gq: PNODE;
  gf: TEXT;
  gfi: INTEGER;
  gfr: REAL;
  gfs: STRING;
FUNCTION f18(n19: INTEGER): INTEGER;
VAR
  l20: CHAR;
  l21: EN;
  l22: INTEGER;
FUNCTION f23(a24: INTEGER): STRING;
VAR
  l25: STR20;
  l26: CHAR;
  l27: CHAR;
  g10: CHAR;
  w1: INTEGER;
BEGIN
  l25 := 'hRE';
  l26 := 'l';
  l27 := ',';
  g10 := '!';
  f23 := 's<6<4';
  f23 := (g16 + g9);
  a24 := LENGTH(g16);
  w1 := 0;
  REPEAT
    w1 := w1 + 1;
  UNTIL (w1 >= 4) OR ((5 DIV (ABS((n19) MOD 8) + 1)) <> ORD(l21));
END;
FUNCTION f29(n30: INTEGER): INTEGER;
VAR
  l31: STR20;
  l32: STRING;
  w1: INTEGER;
BEGIN
  l31 := 'ycr';
  l32 := 'X=pMSPU';
  f29 := g12[1 + ABS(((19 MOD (ABS((3) MOD 4) + 1))) MOD 5)];
  IF n30 > 0 THEN f29 := ((((((-ROUND((K3) * 1.0001 + 0.0003)) + g12[1 + ABS(((g1 + g17)) MOD 5)])) MOD 100003)) MOD 1000) - f29(n30 - 1);
  f29 := (((PRED(g3) - ROUND((LN(ABS(25.41) + 1)) * 1.0001 + 0.0003))) MOD 100003);
  f29 := SUCC((ROUND((67.37) * 1.0001 + 0.0003)));
  w1 := 0;
  REPEAT
    w1 := w1 + 1;
  UNTIL (w1 >= 2) OR ((g7 + 'FF,6FD(') > l31);
END;
BEGIN
  l20 := 'o';
  l21 := E3;
  l22 := 5;
  f18 := ORD(PRED(E3));
  IF n19 > 0 THEN f18 := (((LENGTH((K2 + K2)) - ROUND(((95.34 + g5)) * 1.0001 + 0.0003))) MOD 1000) + f18(n19 - 1);
  CASE ABS(((g13[1 + ABS((n19) MOD 3), ABS((l22) MOD 3)] * (g17 MOD 100))) MOD 5) OF
    3, 0:
    BEGIN
      f18 := n19;
      l21 := E2;
      IF l21 <> E0 THEN l21 := PRED(l21);
    END;
    4..5:
    BEGIN
      l20 := g9[1 + ABS(((-9)) MOD LENGTH(g9))];
      n19 := 55774;
      IF l21 <> E3 THEN l21 := SUCC(l21);
    END;
  END;
  l22 := ((-g1) DIV (ABS((ORD(l21)) MOD 7) + 1));
  n19 := (-LENGTH(K2));
  l20 := g16[1 + ABS(((g1 + g14.V[1 + ABS((g2) MOD 3)])) MOD LENGTH(g16))];
END;
PROCEDURE p33(a34: REAL);
VAR
  l35: INTEGER;
  l36: STRING;
FUNCTION f37(n39: INTEGER; a38: INTEGER): INTEGER;
VAR
  l40: BOOLEAN;
  l41: BOOLEAN;
  l42: INTEGER;
  fi43: INTEGER;
BEGIN
  l40 := FALSE;
  l41 := TRUE;
  l42 := 6;
  f37 := (((((a38 + K1) - n39) + ORD(SUCC(E2)))) MOD 100003);
  IF n39 > 0 THEN f37 := (((-269)) MOD 1000) - f37(n39 - 1, a38);
  FOR fi43 := 4 DOWNTO 4 DO
    l40 := (((NOT ('u' <= K5)) OR (NOT l41)) OR l41);
END;
PROCEDURE p44(VAR a45: STR8; a46: EN; a47: VEC);
VAR
  l48: CHAR;
  l49: BOOLEAN;
BEGIN
  l48 := 'z';
  l49 := TRUE;
  BEGIN gq := gh; WHILE gq <> NIL DO BEGIN WRITE(gq^.K, gq^.T, ' '); gq := gq^.NXT; END; WRITELN; END;
  IF gh <> NIL THEN BEGIN gq := gh; gh := gh^.NXT; DISPOSE(gq); END;
  WRITELN('l48=', l48);
  WRITELN('l49=', l49);
END;
BEGIN
  l35 := 19;
  l36 := 'og4J';
  g3 := g14.A;
  BEGIN
    p44(g15[ABS((g17) MOD 3)], SUCC(E0), g12);
    WRITELN((g10 + g8):1, ' ', 'v');
    g14.S := SUCC(CHR(33 + ABS((ROUND((g5) * 1.0001 + 0.0003)) MOD 93)));
  END;
  WRITELN('l36=', l36);
END;
PROCEDURE p50(VAR a51: VEC; a52: BOOLEAN; a53: INTEGER);
VAR
  l54: INTEGER;
  g16: INTEGER;
  l56: CHAR;
  l57: INTEGER;
BEGIN
  l54 := 12;
  g16 := 11;
  l56 := 'N';
  l57 := 16;
  g12[1 + ABS((a51[1 + ABS((g1) MOD 5)]) MOD 5)] := ((f18(ABS((K1) MOD 6))) MOD 100003);
  IF (g3 > (l57 * (ROUND((K3) * 1.0001 + 0.0003) MOD 100))) THEN
    g14.S := CHR(33 + ABS(((g12[1 + ABS((g2) MOD 5)] * (g16 MOD 100))) MOD 93));
  BEGIN
    IF g11 <> E3 THEN g11 := SUCC(g11);
    p33(12);
  END;
  WRITELN(((-a51[1 + ABS((11) MOD 5)]) DIV (ABS((ROUND((82.3) * 1.0001 + 0.0003)) MOD 5) + 1)):6, ' ', K1:8, ' ', (g4 + 0.0):5:4);
  CASE '$' OF
    'i':
    BEGIN
      IF g11 <> E3 THEN g11 := SUCC(g11);
      IF g11 <> E3 THEN g11 := SUCC(g11);
      IF g11 <> E3 THEN g11 := SUCC(g11);
    END;
    'e', 'h':
      WRITE(g10, ' ', TRUNC((1.983 + K3)), ' ', TRUNC(EXP(SIN(g4))));
    'a', 'd':
    BEGIN
      IF g11 <> E3 THEN g11 := SUCC(g11);
      g15[ABS(((-g3)) MOD 3)] := K2;
    END;
    ELSE
    BEGIN
      g1 := g16;
      g17 := (a53 DIV (ABS((ABS(SUCC(l54))) MOD 6) + 1));
    END;
  END;
  WRITELN('l54=', l54);
  WRITELN('g16=', g16);
  WRITELN('l56=', l56);
  WRITELN('l57=', l57);
END;
BEGIN
  gh := NIL;
  g1 := 16;
  g2 := 20;
  g3 := 18;
  g4 := 44.201;
  g5 := 17.54;
  g6 := TRUE;
  g7 := '&';
  g8 := '%';
  g9 := 'Zbd4';
  g10 := 'VZDhU>7QM';
  g11 := E3;
  FOR fi0 := 1 TO 5 DO g12[fi0] := fi0 * 3;
  FOR fi0 := 1 TO 3 DO FOR fj0 := 0 TO 2 DO g13[fi0, fj0] := fi0 * 5 - fj0;
  g14.A := 9093; g14.R := 42.3; g14.S := '!Zh5L'; g14.C := 'E';
  FOR fi0 := 1 TO 3 DO g14.V[fi0] := fi0 + 4;
  FOR fi0 := 0 TO 2 DO g15[fi0] := 'J0hab2e';
  g16 := 'yD-nk8[[(rx4';
  g17 := 2;
  g16[1 + ABS(((K1 + g14.V[1 + ABS((g17) MOD 3)])) MOD LENGTH(g16))] := 'H';
  IF ABS(g2) < 999990 THEN INC(g2);
  WRITELN(('Y' + g16), ' ', K2, ' ', (ABS(g1) - g2):2, ' ', (g7 + g14.C));
  FOR fe58 := E0 DOWNTO E1 DO
  BEGIN
    WRITE(g16, ' ', K2[1 + ABS((g3) MOD LENGTH(K2))], ' ', g15[ABS((g3) MOD 3)], ' ', ORD(fe58):8);
    g5 := g14.R;
  END;
  BEGIN gq := gh; WHILE gq <> NIL DO BEGIN WRITE(gq^.K, gq^.T, ' '); gq := gq^.NXT; END; WRITELN; END;
  BEGIN
    p50(g12, K4, K1);
    g3 := (((f18(ABS((g2) MOD 6)) * ORD(E3))) MOD 100003);
  END;
  g6 := K4;
  p50(g12, (g11 = g11), g1);
  w1 := 0;
  WHILE (w1 < 2) AND ((g1 - 6) > (K1 * g17)) DO
  BEGIN
    w1 := w1 + 1;
    g13[1 + ABS(((g2 + 15)) MOD 3), ABS((PRED(g17)) MOD 3)] := ROUND(((-19)) * 1.0001 + 0.0003);
  END;
  g14.S := ('p%2nBfxrXw' + K2);
  IF gh <> NIL THEN IF gh^.NXT <> NIL THEN gh^.NXT^.T[1] := K5;
  g2 := (LENGTH('OSi+8tTZ0?r') MOD (ABS((g17) MOD 8) + 1));
  p50(g12, TRUE, 14);
  FOR fi59 := 0 DOWNTO 0 DO
  BEGIN
      w2 := 0;
      WHILE (w2 < 4) AND (g9 < (g16 + g8)) DO
      BEGIN
        w2 := w2 + 1;
        p50(g12, g6, SUCC(g1));
        g10 := CHR(33 + ABS(((-g2)) MOD 93));
      END;
  END;
  WRITELN(K5:3, ' ', ((12 - g3) + 495));
  IF ('?mDzxN' <= g9) THEN
  BEGIN
      BEGIN
        CASE SUCC(E0) OF
          E0, E1:
          BEGIN
            g11 := g11;
            g1 := ABS(SQR(((g14.A + g12[1 + ABS((g3) MOD 5)])) MOD 1000));
          END;
        END;
      END;
  END
  ELSE
  BEGIN
      IF ((298 > ORD(g11)) OR (K2 > (g15[ABS((3) MOD 3)] + g9))) THEN
      BEGIN
        g11 := E1;
      END
      ELSE
        WRITELN(K2, ' ', (g2 - (g2 * (g17 MOD 100))):8, ' ', (K2 + '3'):4);
  END;
  IF ('E' >= g14.S) THEN
  BEGIN
    BEGIN
      WRITELN((';' + g10));
      w1 := 0;
      WHILE (w1 < 1) AND (NOT g6) DO
      BEGIN
        w1 := w1 + 1;
        g10 := (K2 + ((g10 + 'IklVAE2fT=') + (g16 + 'Rwzda7PzM')));
      END;
      g14.R := (g3 DIV (ABS((K1) MOD 3) + 1));
    END;
  END
  ELSE
    WRITELN((TRUNC(g4) = (575 + 15)):7, ' ', K1, ' ', g9[1 + ABS((ORD(SUCC(E1))) MOD LENGTH(g9))], ' ', 'zE;,yFD':7);
  w1 := 0;
  WHILE (w1 < 1) AND K4 DO
  BEGIN
    w1 := w1 + 1;
    w2 := 0;
    WHILE (w2 < 0) AND ('I' < (K2 + g16)) DO
    BEGIN
      w2 := w2 + 1;
      BEGIN
        g9 := '/oE1?IK,pp';
        g14.R := (1 MOD (ABS((g12[1 + ABS((g14.A) MOD 5)]) MOD 9) + 1));
        g14.R := (-g4);
      END;
      IF (g5 > g5) THEN BREAK;
      g14.S := g7;
    END;
  END;
  IF gh <> NIL THEN IF gh^.NXT <> NIL THEN gh^.NXT^.T[1] := g8;
  IF g11 <> E3 THEN g11 := SUCC(g11);
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
  WRITELN(gf, g2, ' ', g5:0:3); WRITE(gf, g16); WRITELN(gf); CLOSE(gf);
  RESET(gf); READ(gf, gfi); READLN(gf, gfr); READLN(gf, gfs); CLOSE(gf);
  WRITELN(gfi, ' ', gfr:0:3, ' [', gfs, ']');
  APPEND(gf); WRITELN(gf, 'more'); CLOSE(gf); RESET(gf); gfi := 0;
  WHILE NOT EOF(gf) DO BEGIN READLN(gf, gfs); gfi := gfi + 1; END; CLOSE(gf);
  WRITELN(gfi, ' lines, last [', gfs, ']');
  gq := gh; WHILE gq <> NIL DO BEGIN WRITE(gq^.K, gq^.T, ' '); gq := gq^.NXT; END; WRITELN;
END.
