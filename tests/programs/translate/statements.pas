PROGRAM Statements;
CONST Limite = 5; Nome = 'kau'; Letra = 'k'; Verdade = TRUE; Pi2 = 6.28; Menos = -3;
VAR i, j, n: INTEGER; s: STRING[20]; c: CHAR; x: REAL;
BEGIN
  WRITELN(Limite, ' ', Nome, ' ', Letra, ' ', Verdade, ' ', Pi2:0:2, ' ', Menos);
  n := 0;
  FOR i := 1 TO Limite DO n := n + i;
  WRITELN('soma ', n);
  FOR i := Limite DOWNTO 1 DO WRITE(i);
  WRITELN;
  i := 0;
  WHILE i < 10 DO
  BEGIN
    i := i + 1;
    IF i MOD 2 = 0 THEN CONTINUE;
    IF i > 7 THEN BREAK;
    WRITE(i, ' ');
  END;
  WRITELN;
  i := 0;
  REPEAT
    i := i + 1;
    IF i = 2 THEN CONTINUE;
    WRITE(i, ' ');
  UNTIL i >= 4;
  WRITELN;
  FOR i := 1 TO 3 DO
    FOR j := 1 TO 3 DO
    BEGIN
      IF j = 2 THEN BREAK;
      WRITE(i, j, ' ');
    END;
  WRITELN;
  IF n > 10 THEN
    IF n > 100 THEN WRITELN('grande') ELSE WRITELN('medio')
  ELSE
    WRITELN('pequeno');
  FOR i := 0 TO 4 DO
    CASE i OF
      0: WRITE('zero ');
      1, 2: WRITE('um-dois ');
    ELSE
      WRITE('mais ');
    END;
  WRITELN;
  c := 'x';
  CASE c OF
    'a'..'m': WRITELN('inicio');
    'n'..'z': WRITELN('fim');
  END;
  s := Nome;
  s := s + Letra;
  WRITELN(s, ' ', LENGTH(s));
  INC(n); DEC(j); INC(c);
  WRITELN(n, ' ', j, ' ', c);
  x := n;
  WRITELN(x:8:3, '|', n:5, '|', s:6, '|', c:3, '|', TRUE:6, '|');
  BEGIN END;
  BEGIN WRITELN('fim'); END;
END.
