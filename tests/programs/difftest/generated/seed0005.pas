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
  g10: STR8;
  g11: EN;
  g12: VEC;
  g13: MAT;
  g14: REC;
  g15: STRS;
  g16: STR20;
  g17: INTEGER;
  fi43: INTEGER;
  fi0: INTEGER;
  fj0: INTEGER;
  gh, gq: PNODE;
  gf: TEXT;
  gfi: INTEGER;
  gfr: REAL;
  gfs: STRING;
PROCEDURE p18;
VAR
  l19: REAL;
  l20: EN;
  l21: INTEGER;
  g4: INTEGER;
  g5: INTEGER;
  fi24: INTEGER;
BEGIN
  l19 := 20.6;
  l20 := E0;
  l21 := 19;
  g4 := 4;
  g5 := 0;
  FOR fi24 := 1 TO 2 DO
    g6 := (SUCC(l21) > g17);
  g14.A := TRUNC(K3);
  IF g11 <> E3 THEN g11 := SUCC(g11);
  WRITELN('l19=', l19:0:4);
  WRITELN('l20=', ORD(l20));
  WRITELN('l21=', l21);
END;
FUNCTION f25(a26: INTEGER; a27: REC; a28: EN): REAL;
VAR
  l29: CHAR;
  l30: INTEGER;
  w1: INTEGER;
BEGIN
  l29 := 'p';
  l30 := 951;
  f25 := (ARCTAN(SQR(g5)) * 100);
  l30 := g12[1 + ABS((ROUND(((g17 / (ABS((g1) MOD 7) + 1))) * 1.0001 + 0.0003)) MOD 5)];
  l29 := 'e';
  w1 := 0;
  WHILE (w1 < 4) AND g6 DO
  BEGIN
    w1 := w1 + 1;
    l30 := 13;
  END;
END;
FUNCTION f31(n35: INTEGER; a32: STRING; a33: INTEGER; a34: EN): REAL;
VAR
  l36: STR8;
  l37: CHAR;
  l38: CHAR;
BEGIN
  l36 := 'oW?w';
  l37 := '$';
  l38 := ',';
  f31 := (ARCTAN((g5 - 71.045)) * 100);
  IF n35 > 0 THEN f31 := LN(ABS(70.7) + 1) + f31(n35 - 1, a32, a33, a34);
  l38 := '0';
  l36 := 'Kk1v[<:1M';
  f31 := COS(((K3 + g14.R) / (ABS(g3) + 1.5)));
END;
FUNCTION f39: CHAR;
VAR
  l40: REAL;
  l41: BOOLEAN;
  l42: INTEGER;
  w1: INTEGER;
BEGIN
  l40 := 70.850;
  l41 := FALSE;
  l42 := 17;
  f39 := 'L';
  IF (NOT (K4 AND (NOT g6))) THEN
  BEGIN
    l40 := ABS(SQR(76.9));
  END
  ELSE
  BEGIN
  END;
  w1 := 0;
  REPEAT
    w1 := w1 + 1;
    f39 := CHR(33 + ABS(((l42)) MOD 93));
  UNTIL (w1 >= 4) OR (g17 > SQR((l42) MOD 1000));
  l42 := TRUNC(LN(ABS(g4) + 1));
END;
BEGIN
  gh := NIL;
  g1 := 832;
  g2 := 1;
  g3 := 17;
  g4 := 24.18;
  g5 := 99.6;
  g6 := FALSE;
  g7 := ')';
  g8 := '<';
  g9 := '&9X8YzL7iMa3';
  g10 := 'K%8Nsv9+.Q?';
  g11 := E1;
  FOR fi0 := 1 TO 5 DO g12[fi0] := fi0 * 7;
  FOR fi0 := 1 TO 3 DO FOR fj0 := 0 TO 2 DO g13[fi0, fj0] := fi0 * 9 - fj0;
  g14.A := 70; g14.R := 8.341; g14.S := 'dQ2iZ gppC[%'; g14.C := 'o';
  FOR fi0 := 1 TO 3 DO g14.V[fi0] := fi0 + 2;
  FOR fi0 := 0 TO 2 DO g15[fi0] := '4tx[x0';
  g16 := 'i]Bf';
  g17 := 12;
  g16[1 + ABS((g2) MOD LENGTH(g16))] := g7;
  IF gh <> NIL THEN gh^.K := ROUND(((g5 + g14.R)) * 1.0001 + 0.0003);
  g6 := (PRED(CHR(33 + ABS(((1 MOD (ABS((12) MOD 9) + 1))) MOD 93))) <= g8);
  WRITELN('ok Br');
  p18;
  g15[ABS((PRED(g3)) MOD 3)] := (g9 + g9);
  FOR fi43 := 4 TO 8 DO
    g14.S := g9;
  IF ((-K1) < LENGTH((g10 + K2))) THEN
    IF g11 <> E3 THEN g11 := SUCC(g11);
  g11 := SUCC(E0);
  p18;
  p18;
  WRITE(LENGTH('wAf%)'), ' ', (g5 + 0.0):6:2, ' ', 3);
  IF g11 <> E0 THEN g11 := PRED(g11);
  g6 := (K1 = (ABS(g2) + ABS(88)));
  g17 := ((-0));
  g11 := g11;
  g11 := SUCC(E1);
  p18;
  IF (((g9 = '1OW') = ODD(g1)) AND ODD(ORD(g11))) THEN
    p18
  ELSE
  BEGIN
    WRITE(1, ' ', 'cD!2qUzQTbu', ' ', g14.S);
    WRITE((g9 + ('q1g' + g9)), ' ', (g4 + 0.0):3:3, ' ', UPCASE('h'), ' ', K4);
  END;
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
  WRITELN(gf, g1, ' ', g4:0:3); WRITE(gf, g10); WRITELN(gf); CLOSE(gf);
  RESET(gf); READ(gf, gfi); READLN(gf, gfr); READLN(gf, gfs); CLOSE(gf);
  WRITELN(gfi, ' ', gfr:0:3, ' [', gfs, ']');
  APPEND(gf); WRITELN(gf, 'more'); CLOSE(gf); RESET(gf); gfi := 0;
  WHILE NOT EOF(gf) DO BEGIN READLN(gf, gfs); gfi := gfi + 1; END; CLOSE(gf);
  WRITELN(gfi, ' lines, last [', gfs, ']');
  gq := gh; WHILE gq <> NIL DO BEGIN WRITE(gq^.K, gq^.T, ' '); gq := gq^.NXT; END; WRITELN;
END.
