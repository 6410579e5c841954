PROGRAM Routines;
TYPE
  Vetor = ARRAY[1..5] OF INTEGER;
  Pessoa = RECORD nome: STRING[10]; idade: INTEGER; END;
VAR
  v: Vetor; p: Pessoa; i, x: INTEGER;

FUNCTION Fatorial(n: INTEGER): INTEGER;
BEGIN
  IF n <= 1 THEN Fatorial := 1 ELSE Fatorial := n * Fatorial(n - 1);
END;

FUNCTION Media(a, b: REAL): REAL;
BEGIN
  Media := (a + b) / 2;
END;

FUNCTION Inicial(s: STRING): CHAR;
BEGIN
  Inicial := s[1];
END;

FUNCTION Par(n: INTEGER): BOOLEAN;
BEGIN
  Par := n MOD 2 = 0;
END;

FUNCTION Repete(s: STRING; n: INTEGER): STRING;
VAR r: STRING; k: INTEGER;
BEGIN
  r := '';
  FOR k := 1 TO n DO r := r + s;
  Repete := r;
END;

PROCEDURE Preenche(VAR w: Vetor; base: INTEGER);
VAR k: INTEGER;
BEGIN
  FOR k := 1 TO 5 DO w[k] := base * k;
END;

FUNCTION Soma(w: Vetor): INTEGER;
VAR k, t: INTEGER;
BEGIN
  t := 0;
  FOR k := 1 TO 5 DO t := t + w[k];
  w[1] := 999;
  Soma := t;
END;

PROCEDURE Aniversario(VAR q: Pessoa);
BEGIN
  q.idade := q.idade + 1;
END;

FUNCTION Descreve(q: Pessoa): STRING;
BEGIN
  Descreve := q.nome + '!';
END;

PROCEDURE Externo(n: INTEGER);
VAR contador: INTEGER;
  PROCEDURE Interno(k: INTEGER);
  BEGIN
    contador := contador + k;
    x := x + 1;
    IF k > 1 THEN Interno(k - 1);
  END;
  FUNCTION Dobro: INTEGER;
  BEGIN
    Dobro := contador * 2;
  END;
BEGIN
  contador := 0;
  Interno(n);
  WRITELN('contador ', contador, ' dobro ', Dobro);
END;

PROCEDURE Sombra;
VAR x: INTEGER;
BEGIN
  x := 100;
  WRITELN('local x ', x);
END;

BEGIN
  WRITELN(Fatorial(7));
  WRITELN(Media(3, 4):0:2);
  WRITELN(Inicial('pascal'), Inicial(Repete('ab', 2)));
  WRITELN(Par(4), ' ', Par(7));
  WRITELN(Repete('xo', 3), ' ', LENGTH(Repete('abc', 100)));
  Preenche(v, 3);
  WRITELN(Soma(v), ' ', v[1]);
  p.nome := 'Ana'; p.idade := 20;
  Aniversario(p);
  WRITELN(Descreve(p), ' ', p.idade);
  x := 0;
  Externo(4);
  WRITELN('x ', x);
  Sombra;
  WRITELN('global x ', x);
  FOR i := 1 TO 3 DO WRITE(Fatorial(i), ' ');
  WRITELN;
END.
