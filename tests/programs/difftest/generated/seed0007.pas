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
  g10: STRING;
  g11: EN;
  g12: VEC;
  g13: MAT;
  g14: REC;
  g15: STRS;
  g16: STR8;
  g17: INTEGER;
  w1: INTEGER;
  w2: INTEGER;
  fi0: INTEGER;
  fj0: INTEGER;
  gh, gq: PNODE;
  gf: TEXT;
  gfi: INTEGER;
  gfr: REAL;
  gfs: STRING;
FUNCTION f18: REAL;
VAR
  l19: INTEGER;
  l20: INTEGER;
  l21: CHAR;
PROCEDURE p22;
VAR
  l23: INTEGER;
  g2: REAL;
  l25: INTEGER;
  l26: STR20;
  g11: INTEGER;
  fi28: INTEGER;
BEGIN
  l23 := 3;
  g2 := 79.190;
  l25 := 17;
  l26 := 'O7<6UMFx';
  g11 := 249;
  g8 := SUCC(CHR(33 + ABS((l19) MOD 93)));
  IF ((TRUNC(g4) <= (2)) = (g10 >= ']')) THEN
  BEGIN
    FOR fi28 := 2 DOWNTO 0 DO
    BEGIN
      WRITELN(ORD(PRED(CHR(33 + ABS((g13[1 + ABS((g17) MOD 3), ABS((K1) MOD 3)]) MOD 93)))), ' ', l20, ' ', UPCASE('#'));
    END;
  END
  ELSE
    IF gh <> NIL THEN gh^.K := K1;
  WRITELN('g2=', g2:0:4);
  WRITELN('l25=', l25);
  WRITELN('l26=', l26);
  WRITELN('g11=', g11);
END;
BEGIN
  l19 := 1;
  l20 := 18;
  l21 := 't';
  f18 := (ARCTAN(((PRED(K1) - (-g3)) / (ABS((LENGTH(g10)) MOD 7) + 1))) * 100);
  l19 := ((((LENGTH(':UvTC?') + l20) * (PRED(SQR((g3) MOD 1000)) MOD 100))) MOD 100003);
  l20 := g1;
END;
FUNCTION f29(a30: INTEGER): INTEGER;
VAR
  l31: REAL;
  l32: CHAR;
  l33: STR20;
  g11: STRING;
  fi35: INTEGER;
  w1: INTEGER;
BEGIN
  l31 := 55.372;
  l32 := '%';
  l33 := 'lY7Zkuv';
  g11 := 'dt>7';
  f29 := ((-ROUND((K3) * 1.0001 + 0.0003)) * 4);
  FOR fi35 := 1 DOWNTO 0 DO
    g11 := '<:1,q?t!;c4x';
  f29 := (TRUNC(SQRT(ABS(l31))) - (2 - K1));
  w1 := 0;
  WHILE (w1 < 4) AND (g8 <= g11) DO
  BEGIN
    w1 := w1 + 1;
    f29 := (7);
  END;
  CASE E3 OF
    E1, E0:
    BEGIN
      f29 := SQR(((a30 - g3)) MOD 1000);
    END;
    E3:
    BEGIN
      f29 := ((7 - 17) DIV (ABS((ORD(CHR(33 + ABS((K1) MOD 93)))) MOD 4) + 1));
      l31 := (ARCTAN((K3 * ORD(K5))) * 100);
    END;
    ELSE
    BEGIN
    END;
  END;
END;
BEGIN
  gh := NIL;
  g1 := 12;
  g2 := 40341;
  g3 := 235;
  g4 := 51.32;
  g5 := 1.02;
  g6 := TRUE;
  g7 := '$';
  g8 := 'G';
  g9 := 'uhkW,K(F';
  g10 := 'f6xuI5';
  g11 := E0;
  FOR fi0 := 1 TO 5 DO g12[fi0] := fi0 * 5;
  FOR fi0 := 1 TO 3 DO FOR fj0 := 0 TO 2 DO g13[fi0, fj0] := fi0 * 6 - fj0;
  g14.A := 71706; g14.R := 39.30; g14.S := 'TxaQW'; g14.C := 'k';
  FOR fi0 := 1 TO 3 DO g14.V[fi0] := fi0 + 7;
  FOR fi0 := 0 TO 2 DO g15[fi0] := ',&zF,a';
  g16 := 'Hls';
  g17 := 1;
  g7 := 't';
  IF gh <> NIL THEN IF gh^.NXT <> NIL THEN gh^.NXT^.T[1] := g7;
  IF (NOT (((g3 >= g3) AND K4) AND (641 > 2))) THEN
    IF gh <> NIL THEN IF gh^.NXT <> NIL THEN gh^.NXT^.T[1] := g8;
  w1 := 0;
  REPEAT
    w1 := w1 + 1;
    w2 := 0;
    WHILE (w2 < 1) AND ((NOT TRUE) <> (NOT K4)) DO
    BEGIN
      w2 := w2 + 1;
      g17 := LENGTH((g9 + g10));
      WRITE(g9:1);
    END;
    IF gh <> NIL THEN BEGIN gq := gh; gh := gh^.NXT; DISPOSE(gq); END;
  UNTIL (w1 >= 1) OR ((g4 * g4) > ABS(K3));
  IF ABS(g13[1 + ABS((10) MOD 3), ABS((g13[1 + ABS((11) MOD 3), ABS((g1) MOD 3)]) MOD 3)]) < 999990 THEN INC(g13[1 + ABS((10) MOD 3), ABS((g13[1 + ABS((11) MOD 3), ABS((g1) MOD 3)]) MOD 3)]);
  WRITE(K2:10, ' ', ((g5 + f18) + 0.0):10:4, ' ', 'k':11, ' ', (g14.V[1 + ABS((K1) MOD 3)] > 71.347));
  CASE ABS((10) MOD 3) OF
    0..1, 2:
      WRITE((K3 + 0.0):6:4, ' ', ('<' > UPCASE('B')):14);
    ELSE
      IF ABS(g12[1 + ABS((1) MOD 5)]) < 999990 THEN DEC(g12[1 + ABS((1) MOD 5)]);
  END;
  WRITELN(14, ' ', SQR((g3) MOD 1000):7, ' ', (g2 - LENGTH('$3omjM!<yX')):0, ' ', f29(SQR(13)));
  g17 := ORD(g11);
  WRITELN(TRUNC((g14.A / (ABS((6) MOD 7) + 1))):3, ' ', ORD(SUCC(CHR(33 + ABS((7) MOD 93)))), ' ', g16:0);
  IF (g3 > ((14 MOD (ABS((g3) MOD 7) + 1)) - f29(g14.A))) THEN
    g6 := ((('0F#ZfWe7ihGy' + 'Q[fHOJ') + 'dDn') > g15[ABS((g17) MOD 3)]);
  g14.R := (ARCTAN(SQR(g14.R)) * 100);
  BEGIN
    w1 := 0;
    WHILE (w1 < 3) AND g6 DO
    BEGIN
      w1 := w1 + 1;
      IF ABS(g2) < 999990 THEN INC(g2);
    END;
  END;
  w1 := 0;
  REPEAT
    w1 := w1 + 1;
    g14.S := (('LLJ' + g10) + g9);
  UNTIL (w1 >= 1) OR TRUE;
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
  WRITELN(gf, g17, ' ', g5:0:3); WRITE(gf, g9); WRITELN(gf); CLOSE(gf);
  RESET(gf); READ(gf, gfi); READLN(gf, gfr); READLN(gf, gfs); CLOSE(gf);
  WRITELN(gfi, ' ', gfr:0:3, ' [', gfs, ']');
  APPEND(gf); WRITELN(gf, 'more'); CLOSE(gf); RESET(gf); gfi := 0;
  WHILE NOT EOF(gf) DO BEGIN READLN(gf, gfs); gfi := gfi + 1; END; CLOSE(gf);
  WRITELN(gfi, ' lines, last [', gfs, ']');
  gq := gh; WHILE gq <> NIL DO BEGIN WRITE(gq^.K, gq^.T, ' '); gq := gq^.NXT; END; WRITELN;
END.
