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
  fc56: CHAR;
  fi57: INTEGER;
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
  l19: BOOLEAN;
  l20: STR20;
PROCEDURE p21(VAR a22: REAL; VAR a23: INTEGER; a24: REC);
VAR
  l25: CHAR;
  l26: INTEGER;
PROCEDURE p27(VAR a28: BOOLEAN; VAR a29: STRING);
VAR
  l30: CHAR;
  l31: INTEGER;
BEGIN
  l30 := 'r';
  l31 := 13;
  a23 := ABS(ABS(a24.A));
  BEGIN NEW(gq); gq^.K := ABS(19); gq^.T := ('epZEu[,fU:>' + ('Zz=cW' + g7)); gq^.NXT := gh; gh := gq; END;
  a28 := (g11 = g11);
  g14.S := (g14.S + g14.S);
  WRITELN('l30=', l30);
END;
PROCEDURE p32(a33: REAL; VAR a34: REAL);
VAR
  l35: CHAR;
  l36: REAL;
  w1: INTEGER;
BEGIN
  l35 := 'b';
  l36 := 61.42;
  w1 := 0;
  REPEAT
    w1 := w1 + 1;
    IF gh <> NIL THEN BEGIN gq := gh; gh := gh^.NXT; DISPOSE(gq); END;
  UNTIL (w1 >= 2) OR (5 > ORD(','));
  WRITELN('u', ' ', ABS(g17), ' ', K1);
  a24.S := (SUCC(CHR(33 + ABS((15) MOD 93))) + g15[ABS((l26) MOD 3)]);
  WRITE((LN(ABS(SQR(a24.R)) + 1) + 0.0):9:1, ' ', g16);
  WRITELN('l35=', l35);
  WRITELN('l36=', l36:0:4);
END;
BEGIN
  l25 := '8';
  l26 := 15;
  p32(g3, g14.R);
  IF (l19 OR (l25 <> CHR(33 + ABS((11) MOD 93)))) THEN
    l19 := (g6 AND (K4 AND ODD(52850)));
END;
PROCEDURE p37;
VAR
  l38: BOOLEAN;
  l39: CHAR;
  fi40: INTEGER;
  fe41: EN;
BEGIN
  l38 := FALSE;
  l39 := 'Z';
  FOR fi40 := 6 DOWNTO 4 DO
    g11 := g11;
  BEGIN
    p21(g4, g13[1 + ABS((g14.A) MOD 3), ABS((14) MOD 3)], g14);
  END;
  FOR fe41 := E0 TO E0 DO
    IF ABS(g14.V[1 + ABS((g3) MOD 3)]) < 999990 THEN DEC(g14.V[1 + ABS((g3) MOD 3)]);
END;
BEGIN
  l19 := TRUE;
  l20 := 'aK?AjCbOf';
  f18 := g5;
  l20 := (']' + g7);
END;
PROCEDURE p42;
VAR
  l43: REAL;
  l44: INTEGER;
  g3: STR20;
  l46: CHAR;
BEGIN
  l43 := 35.8;
  l44 := 3437;
  g3 := 'x?m6rRA-r2B';
  l46 := ':';
  IF gh <> NIL THEN gh^.K := 508;
  WRITE((ABS(ABS(10.9)) + 0.0):5:3);
  IF g11 <> E0 THEN g11 := PRED(g11);
  WRITELN('l43=', l43:0:4);
  WRITELN('g3=', g3);
  WRITELN('l46=', l46);
END;
PROCEDURE p47;
VAR
  l48: STR20;
  l49: STR8;
  w1: INTEGER;
  w2: INTEGER;
BEGIN
  l48 := 'MYejZF6';
  l49 := 'fOws=z$:<';
  BEGIN NEW(gq); gq^.K := (((PRED(g1) - (g1 - K1))) MOD 100003); gq^.T := (l48 + l48); gq^.NXT := gh; gh := gq; END;
  w1 := 0;
  REPEAT
    w1 := w1 + 1;
    w2 := 0;
    WHILE (w2 < 0) AND (g11 = g11) DO
    BEGIN
      w2 := w2 + 1;
      g12[1 + ABS(((g2)) MOD 5)] := (((g1 + (g2 - ROUND((g14.R) * 1.0001 + 0.0003)))) MOD 100003);
    END;
    CASE g7 OF
      'e':
      BEGIN
        g10 := K2[1 + ABS(((-K1)) MOD LENGTH(K2))];
      END;
      'k':
        WRITELN((16 - (9 * g3)));
      'f'..'g', 'd':
        g14.V[1 + ABS(((g17 + 166)) MOD 3)] := (-(-(K1)));
      'a'..'c', 'h'..'j':
        WRITE(('PwuOOQ9' + l48), ' ', (g4 + 0.0):7:1, ' ', (SQR(g5) + 0.0):0:2);
    END;
  UNTIL (w1 >= 3) OR (NOT (l48 = l48));
  w1 := 0;
  REPEAT
    w1 := w1 + 1;
    CASE SUCC(CHR(33 + ABS((g3) MOD 93))) OF
      'd'..'f', 'i':
        g14.A := g2;
      'a':
        l49 := ((K2 + '5G<RuViLAI[u') + ('[j#Z' + g16));
      'g'..'h':
      BEGIN
        g4 := ((LENGTH(g15[ABS((11) MOD 3)]) - ORD(g8)) / (ABS((SQR((ABS(g1)) MOD 1000)) MOD 7) + 1));
      END;
    END;
  UNTIL (w1 >= 1) OR (ABS(g17) >= (g17 + g2));
  g2 := g17;
  p42;
  WRITELN('l49=', l49);
END;
PROCEDURE p50(VAR a51: CHAR; VAR a52: INTEGER);
VAR
  l53: INTEGER;
  l54: BOOLEAN;
  fe55: EN;
BEGIN
  l53 := 5;
  l54 := TRUE;
  g9 := (g16 + ('=As5u8o2V' + K2));
  p42;
  g9 := (g16 + (K2 + a51));
  WRITELN('x4GhgH6':4, ' ', K4:6, ' ', (LENGTH(K2) - (11 DIV (ABS((g17) MOD 8) + 1))), ' ', l54);
  WRITELN((EXP(SIN((8.514 * g4))) + 0.0):9:2);
  FOR fe55 := E3 TO E2 DO
  BEGIN
      CASE ABS(((4)) MOD 3) OF
        2..3:
        BEGIN
          g2 := SUCC(277);
          l54 := ('om' = K2);
          IF g11 <> E3 THEN g11 := SUCC(g11);
        END;
      END;
  END;
  WRITELN('l54=', l54);
END;
BEGIN
  gh := NIL;
  g1 := 18;
  g2 := 0;
  g3 := 18;
  g4 := 64.8;
  g5 := 6.9;
  g6 := TRUE;
  g7 := 'R';
  g8 := 'k';
  g9 := 'fog%u+h';
  g10 := ')B>(H-aE';
  g11 := E0;
  FOR fi0 := 1 TO 5 DO g12[fi0] := fi0 * 3;
  FOR fi0 := 1 TO 3 DO FOR fj0 := 0 TO 2 DO g13[fi0, fj0] := fi0 * 4 - fj0;
  g14.A := 2; g14.R := 63.038; g14.S := '3kdKldb'; g14.C := 'l';
  FOR fi0 := 1 TO 3 DO g14.V[fi0] := fi0 + 4;
  FOR fi0 := 0 TO 2 DO g15[fi0] := '*XFXjc]';
  g16 := 'pWupm>uiF]z';
  g17 := 6345;
  p42;
  FOR fc56 := 'a' TO 'a' DO
    IF g6 THEN BREAK;
  p42;
  p50(g8, g3);
  g5 := ((ROUND((((18 * g5) + (K3 - g17))) * 1.0001 + 0.0003)) MOD 100003);
  p42;
  IF g11 <> E3 THEN g11 := SUCC(g11);
  g14.S := (UPCASE(g16[1 + ABS((g14.V[1 + ABS((g3) MOD 3)]) MOD LENGTH(g16))]) + g14.C);
  w1 := 0;
  WHILE (w1 < 1) AND (g6 AND (K4 AND g6)) DO
  BEGIN
    w1 := w1 + 1;
    g6 := (K1 < g17);
  END;
  g10 := (',[+TZ+:' + ('6Jme' + g10));
  g7 := 'a';
  IF ABS(g17) < 999990 THEN INC(g17);
  IF ABS(g17) < 999990 THEN DEC(g17);
  WRITELN((g14.A), ' ', ((((20 = 17) OR g6) AND K4) OR (105 < g3)));
  BEGIN
    IF ABS(g17) < 999990 THEN DEC(g17);
    w1 := 0;
    REPEAT
      w1 := w1 + 1;
      g11 := g11;
      CASE K5 OF
        'g', 'j'..'k':
        BEGIN
          g4 := SIN((521 - K3));
        END;
        'a'..'c':
          g6 := (TRUE AND (TRUE = g6));
        'd'..'f':
          WRITELN(K4:0);
        ELSE
          IF g11 <> E0 THEN g11 := PRED(g11);
      END;
      w2 := 0;
      WHILE (w2 < 0) AND (SUCC(g13[1 + ABS((g17) MOD 3), ABS((K1) MOD 3)]) < (76.30 + K3)) DO
      BEGIN
        w2 := w2 + 1;
        g9 := g10;
        g14.S := g16;
        g10[1 + ABS((19) MOD LENGTH(g10))] := '5';
      END;
    UNTIL (w1 >= 1) OR ((K4 = (K1 > g17)) OR (g13[1 + ABS((g1) MOD 3), ABS((g17) MOD 3)] > K1));
    BEGIN NEW(gq); gq^.K := (-K1); gq^.T := '8kb-6Iv'; gq^.NXT := gh; gh := gq; END;
  END;
  IF ((g9 + g16) = (K2 + g7)) THEN
  BEGIN
      w1 := 0;
      REPEAT
        w1 := w1 + 1;
        IF (NOT ODD(g14.V[1 + ABS((g2) MOD 3)])) THEN BREAK;
        FOR fi57 := 1 TO 0 DO
          g14.R := 27.013;
        g1 := SUCC(K1);
      UNTIL (w1 >= 4) OR K4;
  END
  ELSE
    p50(g8, g13[1 + ABS((g3) MOD 3), ABS((g3) MOD 3)]);
  WRITE(('I' + 'R>3rB.Q'):4);
  IF g11 <> E0 THEN g11 := PRED(g11);
  p50(g14.C, g13[1 + ABS((g14.V[1 + ABS((15) MOD 3)]) MOD 3), ABS((3) MOD 3)]);
  FOR fi57 := 0 DOWNTO (-1) DO
    BEGIN gq := gh; WHILE gq <> NIL DO BEGIN WRITE(gq^.K, gq^.T, ' '); gq := gq^.NXT; END; WRITELN; END;
  p42;
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
