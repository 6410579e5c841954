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
  fe50: EN;
  w1: INTEGER;
  w2: INTEGER;
  fi0: INTEGER;
  fj0: INTEGER;
  gh, gq: PNODE;
  gf: TEXT;
  gfi: INTEGER;
  gfr: REAL;
  gfs: STRING;
FUNCTION f18(a19: VEC): STRING;
VAR
  l20: BOOLEAN;
  l21: INTEGER;
  l22: REAL;
  l23: CHAR;
  fe24: EN;
  fi25: INTEGER;
BEGIN
  l20 := TRUE;
  l21 := 8;
  l22 := 42.916;
  l23 := 'l';
  f18 := (g14.S + g10);
  FOR fe24 := E0 TO E2 DO
  BEGIN
    IF g6 THEN BREAK;
    l23 := l23;
  END;
  FOR fi25 := 5 DOWNTO 2 DO
    f18 := g16;
  f18 := '28M0kyI5 w';
  f18 := (g16 + g16);
END;
FUNCTION f26(a27: VEC; a28: CHAR; a29: VEC): REAL;
VAR
  l30: STR20;
  l31: CHAR;
  l32: STRING;
BEGIN
  l30 := '*a]5hx';
  l31 := 'd';
  l32 := '/oVU.>hytI[';
  f26 := 29.7;
  l30 := (g16 + ((g15[ABS((0) MOD 3)] + l31) + 'J'));
END;
PROCEDURE p33;
VAR
  g5: BOOLEAN;
  l35: REAL;
  l36: BOOLEAN;
  l37: INTEGER;
BEGIN
  g5 := TRUE;
  l35 := 81.139;
  l36 := TRUE;
  l37 := 1;
  WRITE(91840, ' ', g3, ' ', ODD(g13[1 + ABS((l37) MOD 3), ABS((g3) MOD 3)]));
  BEGIN gq := gh; WHILE gq <> NIL DO BEGIN WRITE(gq^.K, gq^.T, ' '); gq := gq^.NXT; END; WRITELN; END;
  IF (ARCTAN(67.6) < (EXP(SIN(g4)) + (g4 + g12[1 + ABS((1) MOD 5)]))) THEN
    g14.A := g14.V[1 + ABS((l37) MOD 3)]
  ELSE
    IF gh <> NIL THEN gh^.K := LENGTH(g9);
  WRITELN('g5=', g5);
  WRITELN('l35=', l35:0:4);
END;
PROCEDURE p38(VAR a39: REC; VAR a40: INTEGER);
VAR
  l41: REAL;
  l42: INTEGER;
FUNCTION f43: INTEGER;
VAR
  l44: INTEGER;
  l45: CHAR;
  g7: REAL;
  l47: INTEGER;
  l48: EN;
  fc49: CHAR;
BEGIN
  l44 := 56242;
  l45 := '=';
  g7 := 17.744;
  l47 := 1;
  l48 := E1;
  f43 := (((((g13[1 + ABS((g2) MOD 3), ABS((220) MOD 3)] + 14) - l44) + 9)) MOD 100003);
  IF ABS(l44) < 999990 THEN INC(l44);
  FOR fc49 := 'e' TO 'h' DO
    l48 := g11;
END;
BEGIN
  l41 := 16.14;
  l42 := 18;
  g14.R := (ARCTAN(f26(g12, 'p', g12)) * 100);
  p33;
  CASE ABS((SQR((-19))) MOD 4) OF
    3, 4:
      g14.A := 8;
    0:
    BEGIN
      g10 := 'c?tn5Vbq';
      g9[1 + ABS((g17) MOD LENGTH(g9))] := UPCASE(g8);
      g7 := UPCASE('a');
    END;
    1..2:
      g17 := K1;
    ELSE
    BEGIN
      IF g11 <> E3 THEN g11 := SUCC(g11);
      WRITE(ROUND(((l42 / (ABS((g17) MOD 7) + 1))) * 1.0001 + 0.0003));
    END;
  END;
  BEGIN NEW(gq); gq^.K := (((ABS(K1) - g14.V[1 + ABS((g17) MOD 3)])) MOD 100003); gq^.T := (g14.C + g7); gq^.NXT := gh; gh := gq; END;
  g15[ABS(((g13[1 + ABS((a40) MOD 3), ABS((g1) MOD 3)] - K1)) MOD 3)] := g16;
  WRITELN((l41 + 0.0):8:4, ' ', a39.V[1 + ABS(((g3 + K1)) MOD 3)], ' ', l42);
  WRITELN('l42=', l42);
END;
BEGIN
  gh := NIL;
  g1 := 14;
  g2 := 19;
  g3 := 5;
  g4 := 50.132;
  g5 := 45.9;
  g6 := FALSE;
  g7 := '=';
  g8 := '&';
  g9 := '>(y/Cd';
  g10 := 'FY=p%eOU';
  g11 := E3;
  FOR fi0 := 1 TO 5 DO g12[fi0] := fi0 * 5;
  FOR fi0 := 1 TO 3 DO FOR fj0 := 0 TO 2 DO g13[fi0, fj0] := fi0 * 7 - fj0;
  g14.A := 11; g14.R := 7.959; g14.S := '$>xNL>8E'; g14.C := 'n';
  FOR fi0 := 1 TO 3 DO g14.V[fi0] := fi0 + 7;
  FOR fi0 := 0 TO 2 DO g15[fi0] := 'uU=27Pj63 b';
  g16 := ')i9';
  g17 := 1;
  g16 := g16;
  g1 := SQR(ORD('!'));
  w1 := 0;
  REPEAT
    w1 := w1 + 1;
    p38(g14, g12[1 + ABS((g17) MOD 5)]);
    p33;
  UNTIL (w1 >= 4) OR TRUE;
  g11 := g11;
  p38(g14, g17);
  p33;
  g6 := (('h,zzZ!f2$d' + 'j') > 'm://9Qx4Ab');
  w1 := 0;
  WHILE (w1 < 2) AND TRUE DO
  BEGIN
    w1 := w1 + 1;
    IF TRUE THEN CONTINUE;
  END;
  g11 := g11;
  IF (PRED(CHR(33 + ABS((9) MOD 93))) >= K5) THEN
    p38(g14, g14.A)
  ELSE
    g14.R := EXP(SIN(K3));
  BEGIN NEW(gq); gq^.K := K1; gq^.T := (g8 + g9); gq^.NXT := gh; gh := gq; END;
  g12[1 + ABS(((K1 * g3)) MOD 5)] := ROUND((COS((g5 + g4))) * 1.0001 + 0.0003);
  FOR fe50 := E3 TO E0 DO
  BEGIN
    g6 := (g9 <> 'k+f');
    p38(g14, g14.A);
    w2 := 0;
    REPEAT
      w2 := w2 + 1;
      g16 := (f18(g12) + g9);
      g2 := ABS(SQR(((0 + g1)) MOD 1000));
    UNTIL (w2 >= 2) OR K4;
  END;
  IF g11 <> E3 THEN g11 := SUCC(g11);
  IF ((g14.A >= ORD('=')) <> (NOT ('zo>1IkD' > 'jo'))) THEN
  BEGIN
    IF gh <> NIL THEN BEGIN gq := gh; gh := gh^.NXT; DISPOSE(gq); END;
  END
  ELSE
  BEGIN
    g12[1 + ABS((g12[1 + ABS((g3) MOD 5)]) MOD 5)] := TRUNC(ABS(g4));
  END;
  g5 := COS((g4 / (ABS(SQR(81.990)) + 0.25)));
  g4 := 25.18;
  p38(g14, g2);
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
  WRITELN(gf, g2, ' ', g5:0:3); WRITE(gf, g9); WRITELN(gf); CLOSE(gf);
  RESET(gf); READ(gf, gfi); READLN(gf, gfr); READLN(gf, gfs); CLOSE(gf);
  WRITELN(gfi, ' ', gfr:0:3, ' [', gfs, ']');
  APPEND(gf); WRITELN(gf, 'more'); CLOSE(gf); RESET(gf); gfi := 0;
  WHILE NOT EOF(gf) DO BEGIN READLN(gf, gfs); gfi := gfi + 1; END; CLOSE(gf);
  WRITELN(gfi, ' lines, last [', gfs, ']');
  gq := gh; WHILE gq <> NIL DO BEGIN WRITE(gq^.K, gq^.T, ' '); gq := gq^.NXT; END; WRITELN;
END.
