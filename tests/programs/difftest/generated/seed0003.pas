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
  g10: STR20;
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
FUNCTION f18(a19: INTEGER; a20: INTEGER; a21: VEC): REAL;
VAR
  l22: CHAR;
  l23: STRING;
  l24: STRING;
BEGIN
  l22 := '!';
  l23 := 'biu>fMdI';
  l24 := '(X2Y=4rUm';
  f18 := g4;
  l24 := (CHR(33 + ABS(((g1 DIV (ABS((20) MOD 6) + 1))) MOD 93)) + 'Si0');
  IF g6 THEN
    a20 := ORD(CHR(33 + ABS((g17) MOD 93)))
  ELSE
  BEGIN
    l22 := SUCC(CHR(33 + ABS((SUCC(697)) MOD 93)));
    l22 := PRED(CHR(33 + ABS(((TRUNC(g5) - (g1 * (g1 MOD 100)))) MOD 93)));
  END;
  a19 := g3;
  l23 := g14.S;
END;
FUNCTION f25(a26: BOOLEAN; a27: STRING): STRING;
VAR
  l28: EN;
  l29: INTEGER;
  l30: INTEGER;
  l31: STRING;
  g16: BOOLEAN;
BEGIN
  l28 := E3;
  l29 := 3;
  l30 := 6;
  l31 := '=xJR%k]';
  g16 := FALSE;
  f25 := g15[ABS((LENGTH(g9)) MOD 3)];
  IF ABS(l29) < 999990 THEN INC(l29);
  l28 := PRED(E2);
END;
PROCEDURE p33(VAR a34: REC; a35: BOOLEAN);
VAR
  l36: INTEGER;
  l37: REAL;
  l38: INTEGER;
  l39: INTEGER;
BEGIN
  l36 := 0;
  l37 := 64.12;
  l38 := 0;
  l39 := 13;
  g3 := 62;
  WRITELN(a34.V[1 + ABS(((g14.V[1 + ABS((g1) MOD 3)] * (l39 MOD 100))) MOD 3)]:8, ' ', g10[1 + ABS(((1 - 16)) MOD LENGTH(g10))]);
  WRITELN('l36=', l36);
  WRITELN('l37=', l37:0:4);
  WRITELN('l38=', l38);
  WRITELN('l39=', l39);
END;
BEGIN
  gh := NIL;
  g1 := 10;
  g2 := 4;
  g3 := 12;
  g4 := 22.9;
  g5 := 58.5;
  g6 := FALSE;
  g7 := '%';
  g8 := 'f';
  g9 := '3gV#.O116cF';
  g10 := '?I>j2';
  g11 := E1;
  FOR fi0 := 1 TO 5 DO g12[fi0] := fi0 * 7;
  FOR fi0 := 1 TO 3 DO FOR fj0 := 0 TO 2 DO g13[fi0, fj0] := fi0 * 3 - fj0;
  g14.A := 958; g14.R := 33.58; g14.S := '7p!'; g14.C := 'W';
  FOR fi0 := 1 TO 3 DO g14.V[fi0] := fi0 + 1;
  FOR fi0 := 0 TO 2 DO g15[fi0] := '/?n>a8s';
  g16 := 'Xf!l/';
  g17 := 12;
  g9 := g8;
  g7 := ':';
  BEGIN gq := gh; WHILE gq <> NIL DO BEGIN WRITE(gq^.K, gq^.T, ' '); gq := gq^.NXT; END; WRITELN; END;
  w1 := 0;
  WHILE (w1 < 0) AND (g2 <= 12) DO
  BEGIN
    w1 := w1 + 1;
    p33(g14, (g1 > 18));
    g11 := PRED(E1);
  END;
  IF g11 <> E0 THEN g11 := PRED(g11);
  IF gh <> NIL THEN gh^.K := (g14.A MOD (ABS((LENGTH('<<IBNcI9Wzw')) MOD 5) + 1));
  p33(g14, (g8 > g7));
  p33(g14, K4);
  BEGIN gq := gh; WHILE gq <> NIL DO BEGIN WRITE(gq^.K, gq^.T, ' '); gq := gq^.NXT; END; WRITELN; END;
  g6 := g6;
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
  WRITELN(gf, g2, ' ', g4:0:3); WRITE(gf, g16); WRITELN(gf); CLOSE(gf);
  RESET(gf); READ(gf, gfi); READLN(gf, gfr); READLN(gf, gfs); CLOSE(gf);
  WRITELN(gfi, ' ', gfr:0:3, ' [', gfs, ']');
  APPEND(gf); WRITELN(gf, 'more'); CLOSE(gf); RESET(gf); gfi := 0;
  WHILE NOT EOF(gf) DO BEGIN READLN(gf, gfs); gfi := gfi + 1; END; CLOSE(gf);
  WRITELN(gfi, ' lines, last [', gfs, ']');
  gq := gh; WHILE gq <> NIL DO BEGIN WRITE(gq^.K, gq^.T, ' '); gq := gq^.NXT; END; WRITELN;
END.
