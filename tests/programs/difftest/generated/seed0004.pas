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
  g16: STRING;
  g17: INTEGER;
  fe102: EN;
  fi103: INTEGER;
  fi0: INTEGER;
  fj0: INTEGER;
  gh, gq: PNODE;
  gf: TEXT;
  gfi: INTEGER;
  gfr: REAL;
  gfs: STRING;
PROCEDURE p18;
VAR
  l19: INTEGER;
  l20: CHAR;
  w1: INTEGER;
  w2: INTEGER;
BEGIN
  l19 := 16;
  l20 := '-';
  w1 := 0;
  REPEAT
    w1 := w1 + 1;
    w2 := 0;
    REPEAT
      w2 := w2 + 1;
      g6 := ODD(ROUND((60.3) * 1.0001 + 0.0003));
    UNTIL (w2 >= 2) OR (g6 AND (g12[1 + ABS((g1) MOD 5)] > g5));
  UNTIL (w1 >= 2) OR (SUCC(E1) = PRED(E2));
  IF gh <> NIL THEN BEGIN gq := gh; gh := gh^.NXT; DISPOSE(gq); END;
  BEGIN NEW(gq); gq^.K := (((SQR(K1) - g12[1 + ABS((96321) MOD 5)])) MOD 100003); gq^.T := g9; gq^.NXT := gh; gh := gq; END;
  WRITELN((SQR(g5) + 0.0):2:3);
  WRITELN('l19=', l19);
  WRITELN('l20=', l20);
END;
FUNCTION f21(a22: CHAR; a23: INTEGER): BOOLEAN;
VAR
  g1: CHAR;
  l25: REAL;
  l26: INTEGER;
  w1: INTEGER;
BEGIN
  g1 := '[';
  l25 := 62.8;
  l26 := 10;
  f21 := (6 <= g14.V[1 + ABS((1) MOD 3)]);
  w1 := 0;
  REPEAT
    w1 := w1 + 1;
  UNTIL (w1 >= 3) OR (('&f.Xl3A=vRL8' + '?') <> (g16 + 'yfY]qIhv$7/8'));
  f21 := FALSE;
END;
FUNCTION f27(n31: INTEGER; a28: BOOLEAN; a29: REC; a30: INTEGER): INTEGER;
VAR
  g1: STR20;
  l33: CHAR;
  l34: STR8;
  l35: CHAR;
  fi74: INTEGER;
  w1: INTEGER;
FUNCTION f36: REAL;
VAR
  l37: INTEGER;
  l38: STR8;
  w1: INTEGER;
  w2: INTEGER;
PROCEDURE p39(VAR a40: INTEGER; a41: STR20; a42: EN);
VAR
  l43: INTEGER;
  l44: EN;
  g9: REAL;
  g3: EN;
  g4: REAL;
BEGIN
  l43 := 10;
  l44 := E2;
  g9 := 82.020;
  g3 := E2;
  g4 := 14.8;
  IF gh <> NIL THEN gh^.K := (884);
  p18;
  g15[ABS(((66409)) MOD 3)] := K2;
  WRITELN('l43=', l43);
  WRITELN('g9=', g9:0:4);
  WRITELN('g3=', ORD(g3));
  WRITELN('g4=', g4:0:4);
END;
PROCEDURE p48(a49: CHAR);
VAR
  l50: REAL;
  g7: STR20;
  l52: BOOLEAN;
  g16: EN;
BEGIN
  l50 := 38.52;
  g7 := ')c';
  l52 := TRUE;
  g16 := E2;
  CASE ABS((((g3 - n31) - PRED(g13[1 + ABS((10) MOD 3), ABS((g17) MOD 3)]))) MOD 7) OF
    3, 5..6:
      g14.R := ROUND((((-K3) / (ABS(SQR(SIN(a30))) + 0.25))) * 1.0001 + 0.0003);
    7:
      l38[1 + ABS((8) MOD LENGTH(l38))] := '$';
    0..2:
      g12[1 + ABS((g17) MOD 5)] := n31;
  END;
  IF g16 <> E3 THEN g16 := SUCC(g16);
  WRITELN('l50=', l50:0:4);
END;
BEGIN
  l37 := 12;
  l38 := 'vXh2dJc';
  f36 := (-g5);
  w1 := 0;
  WHILE (w1 < 1) AND (f21(l35, 19) OR (NOT g6)) DO
  BEGIN
    w1 := w1 + 1;
    w2 := 0;
    REPEAT
      w2 := w2 + 1;
    UNTIL (w2 >= 3) OR (K1 <= (19 MOD (ABS((g14.V[1 + ABS((l37) MOD 3)]) MOD 3) + 1)));
  END;
  l37 := ((((n31 - 305) + PRED(305))) MOD 100003);
END;
PROCEDURE p54(VAR a55: STRING; a56: VEC; VAR a57: CHAR);
VAR
  l58: EN;
  l59: CHAR;
  g5: BOOLEAN;
  l61: STR20;
  l62: REAL;
FUNCTION f63(a64: INTEGER): STRING;
VAR
  l65: REAL;
  l66: EN;
  g6: REAL;
  fi68: INTEGER;
  w1: INTEGER;
BEGIN
  l65 := 72.7;
  l66 := E1;
  g6 := 31.1;
  f63 := ((UPCASE(a29.C) + UPCASE('(')) + 'uvBgguh');
  w1 := 0;
  REPEAT
    w1 := w1 + 1;
    FOR fi68 := 4 TO 7 DO
    BEGIN
      f63 := l34;
      IF l66 <> E3 THEN l66 := SUCC(l66);
    END;
  UNTIL (w1 >= 4) OR (g17 <> n31);
  IF l66 <> E0 THEN l66 := PRED(l66);
  l65 := (ARCTAN((((a30 * K1) + K1) - (42.1 + (g17 - n31)))) * 100);
END;
FUNCTION f69: CHAR;
VAR
  l70: BOOLEAN;
  l71: STRING;
  l72: REAL;
  fi73: INTEGER;
BEGIN
  l70 := TRUE;
  l71 := 's+r(';
  l72 := 44.8;
  f69 := CHR(33 + ABS((((K1 * K1) + g12[1 + ABS((63) MOD 5)])) MOD 93));
  f69 := SUCC(CHR(33 + ABS((g3) MOD 93)));
  FOR fi73 := (-3) DOWNTO (-2) DO
  BEGIN
    IF FALSE THEN BREAK;
  END;
END;
BEGIN
  l58 := E1;
  l59 := ':';
  g5 := TRUE;
  l61 := 'ir';
  l62 := 97.21;
  p18;
  WRITE(f69, ' ', 9);
  IF gh <> NIL THEN BEGIN gq := gh; gh := gh^.NXT; DISPOSE(gq); END;
  l58 := E0;
  WRITELN('g5=', g5);
END;
BEGIN
  g1 := '5QuMuOMOA?9';
  l33 := '#';
  l34 := 'IVvOmD';
  l35 := 'Q';
  f27 := ABS(K1);
  IF n31 > 0 THEN f27 := ((g14.V[1 + ABS(((g3 MOD (ABS((g3) MOD 3) + 1))) MOD 3)]) MOD 1000) + f27(n31 - 1, a28, a29, a30);
  f27 := 571;
  w1 := 0;
  WHILE (w1 < 2) AND g6 DO
  BEGIN
    w1 := w1 + 1;
    f27 := ABS(ORD(g11));
  END;
  BEGIN
  END;
  FOR fi74 := (-2) DOWNTO (-2) DO
  BEGIN
    l34 := 'j 3VD=]u2K';
    g1 := g9;
  END;
END;
FUNCTION f75(a76: EN; a77: VEC): BOOLEAN;
VAR
  l78: CHAR;
  l79: INTEGER;
FUNCTION f80(a81: STRING; a82: CHAR): CHAR;
VAR
  l83: STR20;
  l84: INTEGER;
  l85: CHAR;
  l86: CHAR;
  g17: CHAR;
  w1: INTEGER;
BEGIN
  l83 := '>]x%?w';
  l84 := 470;
  l85 := '<';
  l86 := 'N';
  g17 := 'q';
  f80 := 't';
  w1 := 0;
  REPEAT
    w1 := w1 + 1;
    f80 := UPCASE(g14.C);
    CASE ABS(((SQR(8))) MOD 3) OF
      3, 0..2:
      BEGIN
      END;
      ELSE
        f80 := SUCC(CHR(33 + ABS(((f27(ABS((g3) MOD 6), TRUE, g14, g3) - ROUND((0.49) * 1.0001 + 0.0003))) MOD 93)));
    END;
    BEGIN
      f80 := UPCASE(g16[1 + ABS((l79) MOD LENGTH(g16))]);
      f80 := 'm';
      l85 := 'I';
    END;
  UNTIL (w1 >= 1) OR ('Ry FvvQeAy?' = l83);
  l83 := (SUCC(CHR(33 + ABS((g3) MOD 93))) + '.');
END;
PROCEDURE p88(VAR a89: INTEGER; VAR a90: REC; a91: CHAR);
VAR
  l92: CHAR;
  l93: STRING;
  l94: INTEGER;
BEGIN
  l92 := 'Z';
  l93 := 'vy86MXIQ3A';
  l94 := 37;
  BEGIN NEW(gq); gq^.K := ((ABS((K1 - a90.A))) MOD 100003); gq^.T := (l93 + g9); gq^.NXT := gh; gh := gq; END;
  CASE g11 OF
    E0:
    BEGIN
      l92 := CHR(33 + ABS((ORD('d')) MOD 93));
      g15[ABS((ORD(a91)) MOD 3)] := g9;
      a91 := UPCASE(SUCC(CHR(33 + ABS((g2) MOD 93))));
    END;
    E3:
    BEGIN
      g15[ABS((g17) MOD 3)] := 'SJ#j4:';
      IF a76 <> E3 THEN a76 := SUCC(a76);
      IF g11 <> E3 THEN g11 := SUCC(g11);
    END;
  END;
  IF gh <> NIL THEN BEGIN gq := gh; gh := gh^.NXT; DISPOSE(gq); END;
  g15[ABS((ROUND((g4) * 1.0001 + 0.0003)) MOD 3)] := a91;
  WRITELN('l94=', l94);
END;
BEGIN
  l78 := '5';
  l79 := 13;
  f75 := (NOT (f21(K5, 2) <> (g2 <> l79)));
  l79 := ROUND((K3) * 1.0001 + 0.0003);
  a76 := SUCC(E2);
END;
PROCEDURE p95(a96: REAL; a97: CHAR; a98: REAL);
VAR
  l99: CHAR;
  l100: REAL;
  l101: EN;
BEGIN
  l99 := 'E';
  l100 := 84.528;
  l101 := E1;
  WRITE(g12[1 + ABS((ABS(g2)) MOD 5)]:5);
  a98 := (ARCTAN(((g5 - 64.21) + ORD('U'))) * 100);
  BEGIN NEW(gq); gq^.K := ((f27(ABS((g1) MOD 6), f75(l101, g12), g14, ROUND((a96) * 1.0001 + 0.0003))) MOD 100003); gq^.T := g10; gq^.NXT := gh; gh := gq; END;
  g6 := (K2[1 + ABS((g3) MOD LENGTH(K2))] <= 'j');
  WRITELN('l101=', ORD(l101));
END;
BEGIN
  gh := NIL;
  g1 := 7;
  g2 := 5;
  g3 := 173;
  g4 := 34.1;
  g5 := 27.4;
  g6 := FALSE;
  g7 := 'k';
  g8 := '=';
  g9 := '2Y6';
  g10 := ':YBjX4';
  g11 := E3;
  FOR fi0 := 1 TO 5 DO g12[fi0] := fi0 * 9;
  FOR fi0 := 1 TO 3 DO FOR fj0 := 0 TO 2 DO g13[fi0, fj0] := fi0 * 8 - fj0;
  g14.A := 281; g14.R := 34.53; g14.S := ' C+y '; g14.C := 'P';
  FOR fi0 := 1 TO 3 DO g14.V[fi0] := fi0 + 6;
  FOR fi0 := 0 TO 2 DO g15[fi0] := 'V.CH';
  g16 := '8d+t(';
  g17 := 543;
  g14.S := g14.S;
  g6 := FALSE;
  IF TRUE THEN
  BEGIN
    g16 := g9;
    BEGIN
      IF (g4 < (K3 / (ABS(ARCTAN(58.4)) + 0.25))) THEN
      BEGIN
        IF g11 <> E0 THEN g11 := PRED(g11);
        IF g11 <> E3 THEN g11 := SUCC(g11);
        g15[ABS(((g14.V[1 + ABS((K1) MOD 3)] - 9)) MOD 3)] := (g9 + g16);
      END;
      CASE ABS((4) MOD 8) OF
        8, 6..7:
        BEGIN
          IF g11 <> E0 THEN g11 := PRED(g11);
        END;
        0, 1..2:
          g8 := CHR(33 + ABS((g3) MOD 93));
        3..5:
        BEGIN
          WRITELN((g6 OR g6):2, ' ', g17);
          g14.S := (g16[1 + ABS((159) MOD LENGTH(g16))] + g10);
          IF g11 <> E0 THEN g11 := PRED(g11);
        END;
      END;
    END;
    BEGIN gq := gh; WHILE gq <> NIL DO BEGIN WRITE(gq^.K, gq^.T, ' '); gq := gq^.NXT; END; WRITELN; END;
  END
  ELSE
  BEGIN
    g6 := (g11 <> g11);
  END;
  IF gh <> NIL THEN gh^.K := ((3 - K1) * 9);
  IF ABS(g14.V[1 + ABS((g12[1 + ABS((g13[1 + ABS((g2) MOD 3), ABS((g14.A) MOD 3)]) MOD 5)]) MOD 3)]) < 999990 THEN DEC(g14.V[1 + ABS((g12[1 + ABS((g13[1 + ABS((g2) MOD 3), ABS((g14.A) MOD 3)]) MOD 5)]) MOD 3)]);
  FOR fe102 := E1 DOWNTO E1 DO
    p18;
  p18;
  g3 := TRUNC(g4);
  WRITELN((g14.S >= ('kf' + g14.C)):5);
  CASE ABS((g14.A) MOD 6) OF
    6, 0:
    BEGIN
        FOR fi103 := (-1) DOWNTO (-3) DO
          g14.S := ((g8 + g8) + K2);
    END;
    3, 2:
      WRITELN(g10, ' ', (EXP(SIN((86.409 / (ABS(g5) + 0.25)))) + 0.0):3:2);
    ELSE
    BEGIN
        IF f75(g11, g12) THEN
        BEGIN
          g17 := ((((g2 + K1) - 19)) MOD 100003);
        END
        ELSE
          g14.V[1 + ABS((12) MOD 3)] := SQR((PRED(g17)) MOD 1000);
    END;
  END;
  g11 := SUCC(E0);
  CASE g11 OF
    E2..E3, E1:
    BEGIN
      p18;
      p18;
    END;
    E0:
      g6 := f21('D', (ROUND((31.908) * 1.0001 + 0.0003) - TRUNC(g4)));
  END;
  g14.R := (TRUNC(ABS(g5)) DIV (ABS((100) MOD 5) + 1));
  g1 := (((g3 + g17)) MOD 100003);
  g3 := (-ABS(ORD(g11)));
  g14.R := LN(ABS(59.7) + 1);
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
  WRITELN(gf, g3, ' ', g4:0:3); WRITE(gf, g9); WRITELN(gf); CLOSE(gf);
  RESET(gf); READ(gf, gfi); READLN(gf, gfr); READLN(gf, gfs); CLOSE(gf);
  WRITELN(gfi, ' ', gfr:0:3, ' [', gfs, ']');
  APPEND(gf); WRITELN(gf, 'more'); CLOSE(gf); RESET(gf); gfi := 0;
  WHILE NOT EOF(gf) DO BEGIN READLN(gf, gfs); gfi := gfi + 1; END; CLOSE(gf);
  WRITELN(gfi, ' lines, last [', gfs, ']');
  gq := gh; WHILE gq <> NIL DO BEGIN WRITE(gq^.K, gq^.T, ' '); gq := gq^.NXT; END; WRITELN;
END.
