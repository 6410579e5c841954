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
  g16: STRING;
  g17: INTEGER;
  fi73: INTEGER;
  fi0: INTEGER;
  fj0: INTEGER;
  gh, gq: PNODE;
  gf: TEXT;
  gfi: INTEGER;
  gfr: REAL;
  gfs: STRING;
FUNCTION f18(a19: VEC; a20: EN; a21: BOOLEAN): INTEGER;
VAR
  l22: CHAR;
  l23: STRING;
  l24: INTEGER;
  g1: CHAR;
  l26: REAL;
PROCEDURE p27(a28: INTEGER; a29: VEC; VAR a30: REC);
VAR
  l31: EN;
  l32: REAL;
  l33: CHAR;
BEGIN
  l31 := E0;
  l32 := 15.4;
  l33 := 'Q';
  IF gh <> NIL THEN gh^.K := ABS(g17);
  IF gh <> NIL THEN gh^.K := (375 + 14);
  CASE g11 OF
    E3:
    BEGIN
      g6 := (NOT (('q:*A2h9U/+' + g10) >= g7));
    END;
    E1, E0:
    BEGIN
      IF l31 <> E0 THEN l31 := PRED(l31);
    END;
  END;
  l23[1 + ABS((8) MOD LENGTH(l23))] := 'i';
  WRITELN('l31=', ORD(l31));
  WRITELN('l32=', l32:0:4);
END;
PROCEDURE p34(a35: VEC; a36: VEC);
VAR
  l37: REAL;
  l38: CHAR;
PROCEDURE p39(a40: EN);
VAR
  l41: REAL;
  g3: INTEGER;
BEGIN
  l41 := 69.86;
  g3 := 1000;
  IF gh <> NIL THEN gh^.K := l24;
  IF gh <> NIL THEN BEGIN gq := gh; gh := gh^.NXT; DISPOSE(gq); END;
  IF gh <> NIL THEN gh^.K := 2;
  g7 := UPCASE(g14.C);
END;
FUNCTION f43: BOOLEAN;
VAR
  l44: BOOLEAN;
  l45: INTEGER;
  l46: REAL;
BEGIN
  l44 := FALSE;
  l45 := 12;
  l46 := 2.87;
  f43 := (K4 = l44);
  l44 := a21;
END;
BEGIN
  l37 := 64.59;
  l38 := 'G';
  p39(a20);
  a20 := a20;
  p27(g17, a36, g14);
  WRITELN('l37=', l37:0:4);
END;
BEGIN
  l22 := 'W';
  l23 := '=+C';
  l24 := 8;
  g1 := 'U';
  l26 := 14.98;
  f18 := ORD(K5);
  l24 := (((14 + g3)) MOD 100003);
  IF ABS(l24) < 999990 THEN DEC(l24);
END;
PROCEDURE p47(VAR a48: STRING; VAR a49: STRING; a50: CHAR);
VAR
  g6: CHAR;
  l52: CHAR;
  l53: BOOLEAN;
  g4: CHAR;
BEGIN
  g6 := '+';
  l52 := '8';
  l53 := FALSE;
  g4 := 'H';
  l53 := K4;
  g11 := E3;
  g13[1 + ABS((32223) MOD 3), ABS((g2) MOD 3)] := (2 + (LENGTH('tm,Pj;wwt') + TRUNC(g5)));
  WRITELN('g6=', g6);
  WRITELN('l53=', l53);
  WRITELN('g4=', g4);
END;
PROCEDURE p55(VAR a56: REAL);
VAR
  l57: INTEGER;
  g8: EN;
  l59: REAL;
  w1: INTEGER;
BEGIN
  l57 := 17;
  g8 := E3;
  l59 := 43.6;
  w1 := 0;
  REPEAT
    w1 := w1 + 1;
    WRITELN(((g1 * (g3 MOD 100)) + g17):8);
  UNTIL (w1 >= 4) OR ODD(SQR((g17) MOD 1000));
  WRITE(g14.S:1, ' ', (('v7(kp);' + g10) + g15[ABS((5) MOD 3)]));
  BEGIN NEW(gq); gq^.K := (19 + (K1 - 443)); gq^.T := '3(?'; gq^.NXT := gh; gh := gq; END;
  WRITELN('l57=', l57);
  WRITELN('g8=', ORD(g8));
  WRITELN('l59=', l59:0:4);
END;
FUNCTION f60: INTEGER;
VAR
  l61: INTEGER;
  l62: EN;
  fi72: INTEGER;
  w1: INTEGER;
FUNCTION f63(a64: CHAR): REAL;
VAR
  l65: EN;
  l66: CHAR;
  g4: INTEGER;
  l68: STR8;
PROCEDURE p69;
VAR
  l70: STR20;
  l71: INTEGER;
BEGIN
  l70 := 'rj,V=N3,T!Pa';
  l71 := 14;
  g9 := 'aJ$(;z7(:0';
  IF gh <> NIL THEN BEGIN gq := gh; gh := gh^.NXT; DISPOSE(gq); END;
  p55(g5);
  WRITELN('l70=', l70);
  WRITELN('l71=', l71);
END;
BEGIN
  l65 := E3;
  l66 := '>';
  g4 := 12;
  l68 := ']<i.F$&';
  f63 := (ARCTAN((g5 - EXP(SIN(99.1)))) * 100);
  IF l65 <> E3 THEN l65 := SUCC(l65);
  f63 := K3;
END;
BEGIN
  l61 := 8;
  l62 := E2;
  f60 := g2;
  l61 := (((g1 - 15)) MOD 100003);
  w1 := 0;
  REPEAT
    w1 := w1 + 1;
    IF ABS(l61) < 999990 THEN DEC(l61);
    FOR fi72 := (-1) TO 2 DO
    BEGIN
      f60 := ((f18(g12, SUCC(E2), TRUE)) MOD 100003);
      l62 := l62;
      IF l62 <> E3 THEN l62 := SUCC(l62);
    END;
  UNTIL (w1 >= 2) OR (g1 > g13[1 + ABS((g3) MOD 3), ABS((9) MOD 3)]);
  f60 := TRUNC(((K3 - g4) + f63(g14.C)));
END;
BEGIN
  gh := NIL;
  g1 := 18;
  g2 := 4;
  g3 := 20;
  g4 := 68.00;
  g5 := 16.8;
  g6 := TRUE;
  g7 := 'J';
  g8 := 'p';
  g9 := 'lyd.$qJy';
  g10 := '5XQ#IH%$FFh>';
  g11 := E1;
  FOR fi0 := 1 TO 5 DO g12[fi0] := fi0 * 6;
  FOR fi0 := 1 TO 3 DO FOR fj0 := 0 TO 2 DO g13[fi0, fj0] := fi0 * 7 - fj0;
  g14.A := 573; g14.R := 70.805; g14.S := '?z?2iI[j'; g14.C := 'G';
  FOR fi0 := 1 TO 3 DO g14.V[fi0] := fi0 + 2;
  FOR fi0 := 0 TO 2 DO g15[fi0] := 'thA';
  g16 := 'fg$l;8,V';
  g17 := 10;
  IF (g6 AND (g16 = g15[ABS((13) MOD 3)])) THEN
    IF gh <> NIL THEN IF gh^.NXT <> NIL THEN gh^.NXT^.T[1] := 'Y';
  g11 := g11;
  IF gh <> NIL THEN IF gh^.NXT <> NIL THEN gh^.NXT^.T[1] := '!';
  g12[1 + ABS((ABS(g2)) MOD 5)] := ORD(g11);
  g14.C := g10[1 + ABS((g3) MOD LENGTH(g10))];
  IF gh <> NIL THEN IF gh^.NXT <> NIL THEN gh^.NXT^.T[1] := g7;
  WRITE('U', ' ', ((g1 * K1) <= TRUNC(g5)), ' ', ((g13[1 + ABS((g14.V[1 + ABS((558) MOD 3)]) MOD 3), ABS((g3) MOD 3)] / (ABS((g3) MOD 7) + 1)) + 0.0):9:1);
  FOR fi73 := 3 TO 2 DO
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
  WRITELN(gf, g2, ' ', g5:0:3); WRITE(gf, g9); WRITELN(gf); CLOSE(gf);
  RESET(gf); READ(gf, gfi); READLN(gf, gfr); READLN(gf, gfs); CLOSE(gf);
  WRITELN(gfi, ' ', gfr:0:3, ' [', gfs, ']');
  APPEND(gf); WRITELN(gf, 'more'); CLOSE(gf); RESET(gf); gfi := 0;
  WHILE NOT EOF(gf) DO BEGIN READLN(gf, gfs); gfi := gfi + 1; END; CLOSE(gf);
  WRITELN(gfi, ' lines, last [', gfs, ']');
  gq := gh; WHILE gq <> NIL DO BEGIN WRITE(gq^.K, gq^.T, ' '); gq := gq^.NXT; END; WRITELN;
END.
