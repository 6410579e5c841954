PROGRAM Comandos;
CONST
  Limite = 3;
TYPE
  No = RECORD
    Valor: INTEGER;
    Prox: ^No;
  END;
VAR
  I, J, K: INTEGER;
  R: REAL;
  C: CHAR;
  S: STRING;
  B: BOOLEAN;
  V: ARRAY [1..10] OF INTEGER;
  M: ARRAY [1..3, 1..3] OF INTEGER;
  Arq: TEXT;
  P: ^No;
  Q: ^INTEGER;

PROCEDURE Pula;
BEGIN
  WRITELN;
END;

FUNCTION Soma(A, B: INTEGER): INTEGER;
BEGIN
  Soma := A + B;
END;

BEGIN
  I := 1;
  BEGIN
    J := 2;
    K := 3;
  END;
  Pula;
  WRITELN(Soma(I, J));
  IF I > 0 THEN
    IF J > 0 THEN K := 1 ELSE K := 2;
  CASE I OF
    1: K := 1;
    2, Limite: K := 2;
    4..6: K := 3;
  END;
  CASE C OF
    'A': K := 1;
  ELSE
    K := 0;
  END;
  WHILE (I < 10) AND NOT B DO I := I + 1;
  REPEAT
    I := I - 1;
  UNTIL I = 0;
  FOR I := 1 TO 10 DO V[I] := I * I MOD 7;
  FOR I := 10 DOWNTO 1 DO WRITE(I);
  READ(I, R);
  READLN(S);
  READLN;
  READKEY;
  C := READKEY;
  WRITE('Valor: ', I:3, R:8:2);
  WRITELN('Fim', C);
  ASSIGN(Arq, 'dados.txt');
  ASSIGN(Arq, S);
  REWRITE(Arq);
  WRITELN(Arq, 'linha');
  CLOSE(Arq);
  RESET(Arq);
  WHILE NOT EOF(Arq) DO READLN(Arq, S);
  APPEND(Arq);
  TEXTCOLOR(YELLOW);
  TEXTBACKGROUND(BLUE + BLINK - 1);
  GOTOXY(1, 2);
  DELAY(100);
  VAL(S, R, K);
  INC(I);
  DEC(I);
  NEW(P);
  P^.Valor := 1;
  NEW(P^.Prox);
  P^.Prox^.Valor := 2;
  DISPOSE(P);
  M[1, 2] := V[3];
  Q := @I;
  Q := NIL;
  Q^ := 5;
  CLRSCR;
  RANDOMIZE;
  R := -R + SQRT(R) * (2.5E3 / 4) - ABS(I);
  B := (I = J) OR (C <> 'x') AND TRUE;
  B := FALSE;
  S := 'abc';
  C := #65;
  J := LENGTH(S) DIV 2;
END.
