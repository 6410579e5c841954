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
  g10: STR8;
  g11: EN;
  g12: VEC;
  g13: MAT;
  g14: REC;
  g15: STRS;
  g16: STR20;
  g17: INTEGER;
  w1: INTEGER;
  fi0: INTEGER;
  fj0: INTEGER;
  gh, gq: PNODE;
  gf: TEXT;
  gfi: INTEGER;
  gfr: REAL;
  gfs: STRING;
PROCEDURE p18(VAR a19: EN);
VAR
  l20: CHAR;
  l21: REAL;
  l22: EN;
  l23: CHAR;
FUNCTION f24(a25: BOOLEAN; a26: INTEGER): CHAR;
VAR
  l27: INTEGER;
  l28: STRING;
  g1: EN;
BEGIN
  l27 := 228;
  l28 := '24o';
  g1 := E3;
  f24 := 'O';
  l28 := 'HTUXNoGEQUV;';
  f24 := l28[1 + ABS((SQR((2 + 19))) MOD LENGTH(l28))];
END;
PROCEDURE p30(VAR a31: BOOLEAN; a32: VEC);
VAR
  g17: REAL;
  l34: INTEGER;
  l35: CHAR;
  g5: STR8;
  g1: BOOLEAN;
  w1: INTEGER;
BEGIN
  g17 := 14.9;
  l34 := 71639;
  l35 := ';';
  g5 := 'dPJ$';
  g1 := TRUE;
  IF gh <> NIL THEN IF gh^.NXT <> NIL THEN gh^.NXT^.T[1] := 'T';
  w1 := 0;
  REPEAT
    w1 := w1 + 1;
    CASE a19 OF
      E2..E3, E0:
        IF a19 <> E0 THEN a19 := PRED(a19);
      ELSE
        a31 := (ORD(g10[1 + ABS((K1) MOD LENGTH(g10))]) <= ROUND((EXP(SIN(919))) * 1.0001 + 0.0003));
    END;
    g14.S := (g16 + (g5 + g14.S));
    WRITE('UwdA ]4 ':10, ' ', l23:3, ' ', ROUND((g4) * 1.0001 + 0.0003):8);
  UNTIL (w1 >= 4) OR (g2 > 50);
  WRITELN('l34=', l34);
  WRITELN('g1=', g1);
END;
BEGIN
  l20 := '4';
  l21 := 73.018;
  l22 := E2;
  l23 := 'S';
  p30(g6, g12);
  CASE ABS((K1) MOD 6) OF
    2:
    BEGIN
      g14.S := g9;
    END;
    ELSE
    BEGIN
      g13[1 + ABS((LENGTH('Bd*Nfb')) MOD 3), ABS((ABS(g3)) MOD 3)] := ABS(LENGTH(K2));
      IF l22 <> E0 THEN l22 := PRED(l22);
    END;
  END;
  WRITELN('l20=', l20);
END;
PROCEDURE p38(VAR a39: VEC; a40: EN);
VAR
  l41: REAL;
  l42: INTEGER;
BEGIN
  l41 := 51.168;
  l42 := 49148;
  IF (CHR(33 + ABS((SQR(15)) MOD 93)) = g10[1 + ABS((g2) MOD LENGTH(g10))]) THEN
  BEGIN
      BEGIN
        a39[1 + ABS((g17) MOD 5)] := ORD(g7);
      END;
  END
  ELSE
  BEGIN
    p18(g11);
    IF g11 <> E3 THEN g11 := SUCC(g11);
  END;
  g9 := g15[ABS((g14.V[1 + ABS((l42) MOD 3)]) MOD 3)];
  WRITELN('l41=', l41:0:4);
  WRITELN('l42=', l42);
END;
PROCEDURE p43(VAR a44: EN; a45: STR8);
VAR
  g7: STRING;
  l47: STR20;
  l48: CHAR;
  l49: INTEGER;
  w1: INTEGER;
BEGIN
  g7 := 'RQ%Yf:';
  l47 := '%?j!mGu';
  l48 := '.';
  l49 := 88307;
  CASE a44 OF
    E3:
      IF g11 <> E3 THEN g11 := SUCC(g11);
  END;
  BEGIN
    WRITELN((g14.R + 0.0):8:3, ' ', (K3 + 0.0):10:3, ' ', (g7 > a45), ' ', l48);
    BEGIN
      g3 := g1;
      g6 := (((g16 + g15[ABS((g17) MOD 3)]) = ('+Z-b,V1sdQ' + g8)) OR ('?' < g14.C));
      IF g11 <> E3 THEN g11 := SUCC(g11);
    END;
  END;
  p18(a44);
  IF K4 THEN
  BEGIN
    w1 := 0;
    WHILE (w1 < 3) AND g6 DO
    BEGIN
      w1 := w1 + 1;
      IF g11 <> E0 THEN g11 := PRED(g11);
      g8 := 'T';
      g14.A := ROUND((g5) * 1.0001 + 0.0003);
    END;
    IF gh <> NIL THEN IF gh^.NXT <> NIL THEN gh^.NXT^.T[1] := CHR(33 + ABS((7548) MOD 93));
  END;
  WRITELN('g7=', g7);
END;
PROCEDURE p50;
VAR
  l51: STR20;
  l52: INTEGER;
  w1: INTEGER;
FUNCTION f53(a54: STR8; a55: INTEGER): STRING;
VAR
  l56: EN;
  l57: CHAR;
  l58: REAL;
  l59: REAL;
  fi60: INTEGER;
BEGIN
  l56 := E1;
  l57 := ':';
  l58 := 68.7;
  l59 := 86.53;
  f53 := 'toz&0BwG]';
  l56 := g11;
  FOR fi60 := (-1) TO 3 DO
    l59 := g4;
END;
BEGIN
  l51 := 'ul6)';
  l52 := 73661;
  w1 := 0;
  WHILE (w1 < 1) AND ((ODD(g3) AND ((g13[1 + ABS((l52) MOD 3), ABS((g13[1 + ABS((K1) MOD 3), ABS((70) MOD 3)]) MOD 3)] > 10) AND K4)) AND FALSE) DO
  BEGIN
    w1 := w1 + 1;
    BEGIN NEW(gq); gq^.K := (((ORD(E2) - (g1 - g2))) MOD 100003); gq^.T := (g10 + g10[1 + ABS((79667) MOD LENGTH(g10))]); gq^.NXT := gh; gh := gq; END;
  END;
  WRITELN(f53(('*Owri0qk' + g15[ABS((3) MOD 3)]), K1):2, ' ', (SQR(740) + (6 + g3)));
  p38(g12, g11);
  WRITELN((K1 = (g14.V[1 + ABS((15) MOD 3)] - 7870)), ' ', (NOT ((K4 AND (SUCC(E1) <> g11)) AND K4)), ' ', g3);
  WRITELN(g2, ' ', 'w', ' ', g13[1 + ABS((ORD('K')) MOD 3), ABS((g17) MOD 3)], ' ', (4 + (0 + g3)):3);
  g14.C := g16[1 + ABS((g2) MOD LENGTH(g16))];
  WRITELN('l51=', l51);
END;
FUNCTION f61(a62: VEC; a63: BOOLEAN; a64: REAL): STRING;
VAR
  g10: STRING;
  l66: INTEGER;
BEGIN
  g10 := 'Vp,X(+.[';
  l66 := 57;
  f61 := (((g16 + g15[ABS((314) MOD 3)]) + ')[9fSm$bw') + g16);
  l66 := PRED(724);
  a63 := ((LN(ABS(g5) + 1) < g14.R) <> (K4 AND (l66 > 271)));
END;
FUNCTION f67(a68: REC): INTEGER;
VAR
  l69: REAL;
  g17: STR20;
  l71: STR20;
BEGIN
  l69 := 47.72;
  g17 := '[(&pN-r,2';
  l71 := '1 =VPU7N';
  f67 := ROUND((SQRT(ABS(68.5))) * 1.0001 + 0.0003);
  l71 := 'O';
  f67 := ORD(CHR(33 + ABS((g2) MOD 93)));
  f67 := 14;
  f67 := ORD(g11);
  l69 := (ARCTAN(((SQR(g5) / (ABS(80.665) + 1.5)) / (ABS(ABS(927)) + 1.5))) * 100);
END;
BEGIN
  gh := NIL;
  g1 := 3;
  g2 := 15;
  g3 := 826;
  g4 := 35.8;
  g5 := 0.804;
  g6 := FALSE;
  g7 := 'U';
  g8 := '=';
  g9 := ';bR;O';
  g10 := 'dS';
  g11 := E3;
  FOR fi0 := 1 TO 5 DO g12[fi0] := fi0 * 8;
  FOR fi0 := 1 TO 3 DO FOR fj0 := 0 TO 2 DO g13[fi0, fj0] := fi0 * 8 - fj0;
  g14.A := 14; g14.R := 49.84; g14.S := 'd!4-'; g14.C := '$';
  FOR fi0 := 1 TO 3 DO g14.V[fi0] := fi0 + 5;
  FOR fi0 := 0 TO 2 DO g15[fi0] := ',0qU+R]&';
  g16 := '>q*)bV*BhH';
  g17 := 7;
  g10[1 + ABS((g14.V[1 + ABS((g3) MOD 3)]) MOD LENGTH(g10))] := 'G';
  g6 := ((K4 OR K4) OR (g10 <= g14.S));
  g15[ABS((g17) MOD 3)] := (f61(g12, K4, 6) + g14.S);
  WRITELN((K4 = K4):7, ' ', (K2 + g15[ABS((g3) MOD 3)]), ' ', ROUND((K3) * 1.0001 + 0.0003));
  g2 := 15;
  IF gh <> NIL THEN BEGIN gq := gh; gh := gh^.NXT; DISPOSE(gq); END;
  w1 := 0;
  WHILE (w1 < 4) AND (g9 <> K5) DO
  BEGIN
    w1 := w1 + 1;
    IF (K1 > (g3 * (g3 MOD 100))) THEN
      WRITELN(']9*oSn', ' ', 'L[K=$]A':2, ' ', (f61(g12, (g5 < g14.R), 38.4) + (g9 + K2)));
    IF (g10 <= g9) THEN CONTINUE;
  END;
  IF ODD(((g14.V[1 + ABS((g12[1 + ABS((g17) MOD 5)]) MOD 3)] + g1))) THEN
    g11 := g11
  ELSE
  BEGIN
    IF (g11 = g11) THEN
    BEGIN
      CASE ABS((SQR((g14.A) MOD 1000)) MOD 8) OF
        0, 1..2:
          g7 := CHR(33 + ABS((LENGTH((g9 + 'we)aABH#'))) MOD 93));
      END;
      g16 := (g16 + (g7 + ']'));
    END
    ELSE
    BEGIN
      g6 := (E3 = g11);
    END;
    g14.R := (ARCTAN((((-g14.R) + (K3 - K3)) - 214)) * 100);
    g10[1 + ABS((1) MOD LENGTH(g10))] := g7;
  END;
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
  WRITELN(gf, g2, ' ', g5:0:3); WRITE(gf, g10); WRITELN(gf); CLOSE(gf);
  RESET(gf); READ(gf, gfi); READLN(gf, gfr); READLN(gf, gfs); CLOSE(gf);
  WRITELN(gfi, ' ', gfr:0:3, ' [', gfs, ']');
  APPEND(gf); WRITELN(gf, 'more'); CLOSE(gf); RESET(gf); gfi := 0;
  WHILE NOT EOF(gf) DO BEGIN READLN(gf, gfs); gfi := gfi + 1; END; CLOSE(gf);
  WRITELN(gfi, ' lines, last [', gfs, ']');
  gq := gh; WHILE gq <> NIL DO BEGIN WRITE(gq^.K, gq^.T, ' '); gq := gq^.NXT; END; WRITELN;
END.
