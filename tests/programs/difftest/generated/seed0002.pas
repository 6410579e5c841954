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
  g10: STRING;
  g11: EN;
  g12: VEC;
  g13: MAT;
  g14: REC;
  g15: STRS;
  g16: STRING;
  g17: INTEGER;
  w1: INTEGER;
  fi0: INTEGER;
  fj0: INTEGER;
  gh, gq: PNODE;
  gf: TEXT;
  gfi: INTEGER;
  gfr: REAL;
  gfs: STRING;
PROCEDURE p18(a19: CHAR; a20: INTEGER);
VAR
  l21: CHAR;
  l22: EN;
  l23: CHAR;
  w1: INTEGER;
PROCEDURE p24;
VAR
  l25: BOOLEAN;
  l26: CHAR;
  w1: INTEGER;
BEGIN
  l25 := TRUE;
  l26 := '/';
  w1 := 0;
  WHILE (w1 < 1) AND l25 DO
  BEGIN
    w1 := w1 + 1;
    IF gh <> NIL THEN BEGIN gq := gh; gh := gh^.NXT; DISPOSE(gq); END;
    BEGIN gq := gh; WHILE gq <> NIL DO BEGIN WRITE(gq^.K, gq^.T, ' '); gq := gq^.NXT; END; WRITELN; END;
    g5 := (-g4);
  END;
  WRITELN(' J.,;', ' ', (SQR(SIN(SQR(g5))) + 0.0):8:4);
END;
PROCEDURE p27(a28: CHAR);
VAR
  l29: REAL;
  l30: REAL;
  l31: STR20;
  l32: STR20;
  l33: STR20;
BEGIN
  l29 := 92.5;
  l30 := 95.3;
  l31 := 'h=&';
  l32 := 'I>';
  l33 := 'n:rIF';
  l31 := UPCASE(CHR(33 + ABS((8) MOD 93)));
  IF (l30 < K3) THEN
    BEGIN gq := gh; WHILE gq <> NIL DO BEGIN WRITE(gq^.K, gq^.T, ' '); gq := gq^.NXT; END; WRITELN; END
  ELSE
  BEGIN
    l22 := E1;
  END;
  WRITELN('l29=', l29:0:4);
  WRITELN('l30=', l30:0:4);
  WRITELN('l32=', l32);
  WRITELN('l33=', l33);
END;
BEGIN
  l21 := '5';
  l22 := E1;
  l23 := '!';
  BEGIN
    IF gh <> NIL THEN BEGIN gq := gh; gh := gh^.NXT; DISPOSE(gq); END;
    IF (g11 = E2) THEN
    BEGIN
      l22 := l22;
    END;
  END;
  w1 := 0;
  WHILE (w1 < 3) AND K4 DO
  BEGIN
    w1 := w1 + 1;
    g16 := (K2 + g9);
    g6 := (TRUE OR (ORD(E3) <= 11));
    IF FALSE THEN BREAK;
  END;
  p27('(');
  a20 := ROUND((47.9) * 1.0001 + 0.0003);
  BEGIN
    WRITELN(g14.S:13, ' ', (((g14.V[1 + ABS((g2) MOD 3)] - g17) / (ABS(g4) + 1.5)) + 0.0):9:3);
    IF ABS(g1) < 999990 THEN INC(g1);
    g10 := K2;
  END;
  g2 := ((PRED(g2)) MOD 100003);
  WRITELN('l21=', l21);
  WRITELN('l22=', ORD(l22));
  WRITELN('l23=', l23);
END;
PROCEDURE p34(VAR a35: INTEGER; a36: BOOLEAN; VAR a37: CHAR);
VAR
  l38: CHAR;
  l39: REAL;
  l40: CHAR;
  w1: INTEGER;
  w2: INTEGER;
BEGIN
  l38 := '7';
  l39 := 49.09;
  l40 := 'x';
  BEGIN NEW(gq); gq^.K := PRED(368); gq^.T := ']yZW$bO7!7'; gq^.NXT := gh; gh := gq; END;
  p18('[', 6);
  w1 := 0;
  REPEAT
    w1 := w1 + 1;
    l39 := (ARCTAN(((SQRT(ABS(34.57)) - l39) / (ABS(g14.R) + 0.25))) * 100);
    w2 := 0;
    REPEAT
      w2 := w2 + 1;
      g14.S := g16;
    UNTIL (w2 >= 2) OR (g11 <> g11);
  UNTIL (w1 >= 2) OR (g4 > (-g5));
  BEGIN NEW(gq); gq^.K := ABS(a35); gq^.T := g16; gq^.NXT := gh; gh := gq; END;
  g6 := g6;
  WRITELN('l39=', l39:0:4);
  WRITELN('l40=', l40);
END;
FUNCTION f41: REAL;
VAR
  l42: CHAR;
  g16: CHAR;
  l44: REAL;
BEGIN
  l42 := 'I';
  g16 := 'P';
  l44 := 30.1;
  f41 := (ARCTAN((-(g14.V[1 + ABS((g17) MOD 3)] / (ABS((ORD(';')) MOD 7) + 1)))) * 100);
  l42 := UPCASE('l');
  CASE UPCASE(CHR(33 + ABS((K1) MOD 93))) OF
    'e', 'g':
    BEGIN
      f41 := (LN(ABS((882 / (ABS((g17) MOD 7) + 1))) + 1) * ORD(l42));
    END;
    'i', 'a':
    BEGIN
    END;
    'b'..'d':
    BEGIN
    END;
  END;
  l44 := SQR(SIN((g4 + g1)));
  IF ((g14.V[1 + ABS((g12[1 + ABS((g2) MOD 5)]) MOD 3)]) < (g14.V[1 + ABS((g2) MOD 3)])) THEN
  BEGIN
  END;
END;
PROCEDURE p45(a46: EN; a47: REC);
VAR
  l48: STRING;
  g4: INTEGER;
  l50: INTEGER;
BEGIN
  l48 := 'qYOMm*m8';
  g4 := 16;
  l50 := 286;
  IF ABS(g14.V[1 + ABS((g17) MOD 3)]) < 999990 THEN INC(g14.V[1 + ABS((g17) MOD 3)]);
  g6 := ODD((-4));
  l48 := (('$' + ':/i01e') + ((g16 + K2) + g10));
  WRITELN('l50=', l50);
END;
BEGIN
  gh := NIL;
  g1 := 629;
  g2 := 15;
  g3 := 15;
  g4 := 21.541;
  g5 := 28.97;
  g6 := TRUE;
  g7 := 'N';
  g8 := 'A';
  g9 := 'MmbdzOhO?G';
  g10 := 'R4j18cK<=qBt';
  g11 := E1;
  FOR fi0 := 1 TO 5 DO g12[fi0] := fi0 * 7;
  FOR fi0 := 1 TO 3 DO FOR fj0 := 0 TO 2 DO g13[fi0, fj0] := fi0 * 2 - fj0;
  g14.A := 457; g14.R := 61.17; g14.S := 't/MDz'; g14.C := '#';
  FOR fi0 := 1 TO 3 DO g14.V[fi0] := fi0 + 5;
  FOR fi0 := 0 TO 2 DO g15[fi0] := '[Y!0E%B*hHF';
  g16 := ']Y3p';
  g17 := 51355;
  IF g11 <> E3 THEN g11 := SUCC(g11);
  w1 := 0;
  WHILE (w1 < 1) AND (NOT (3 > K1)) DO
  BEGIN
    w1 := w1 + 1;
    IF g11 <> E0 THEN g11 := PRED(g11);
    BEGIN NEW(gq); gq^.K := g13[1 + ABS((965) MOD 3), ABS(((9 - K1)) MOD 3)]; gq^.T := g10; gq^.NXT := gh; gh := gq; END;
    p45(g11, g14);
  END;
  WRITELN((((g14.V[1 + ABS((1) MOD 3)] - g17) + g5) + 0.0):0:2, ' ', UPCASE(g14.C):8, ' ', 20:8, ' ', g16[1 + ABS(((18 * g17)) MOD LENGTH(g16))]);
  g11 := g11;
  p18('%', g1);
  IF g11 <> E3 THEN g11 := SUCC(g11);
  IF ABS(g12[1 + ABS((32) MOD 5)]) < 999990 THEN DEC(g12[1 + ABS((32) MOD 5)]);
  g14.A := ((((-ORD(g8)) - ((g13[1 + ABS((g17) MOD 3), ABS((764) MOD 3)])))) MOD 100003);
  g15[ABS((51191) MOD 3)] := (UPCASE(g8) + g8);
  p34(g12[1 + ABS((20) MOD 5)], (K2 >= K2), g8);
  p45(g11, g14);
  WRITE(g9[1 + ABS((4) MOD LENGTH(g9))]);
  g14.S := ('A' + (g16 + g10));
  w1 := 0;
  WHILE (w1 < 2) AND ((g4 * K3) < 62.392) DO
  BEGIN
    w1 := w1 + 1;
    g4 := 78.246;
    g13[1 + ABS((LENGTH(g10)) MOD 3), ABS((g1) MOD 3)] := 20;
    g10[1 + ABS(((LENGTH(K2))) MOD LENGTH(g10))] := 'A';
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
  WRITELN(gf, g1, ' ', g5:0:3); WRITE(gf, g9); WRITELN(gf); CLOSE(gf);
  RESET(gf); READ(gf, gfi); READLN(gf, gfr); READLN(gf, gfs); CLOSE(gf);
  WRITELN(gfi, ' ', gfr:0:3, ' [', gfs, ']');
  APPEND(gf); WRITELN(gf, 'more'); CLOSE(gf); RESET(gf); gfi := 0;
  WHILE NOT EOF(gf) DO BEGIN READLN(gf, gfs); gfi := gfi + 1; END; CLOSE(gf);
  WRITELN(gfi, ' lines, last [', gfs, ']');
  gq := gh; WHILE gq <> NIL DO BEGIN WRITE(gq^.K, gq^.T, ' '); gq := gq^.NXT; END; WRITELN;
END.
