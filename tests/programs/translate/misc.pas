PROGRAM Misc;
TYPE
  Ficha = RECORD nome: STRING[12]; notas: ARRAY[1..3] OF REAL; END;
  Turma = ARRAY[1..2] OF Ficha;
  Item = RECORD chave: INTEGER; texto: STRING[6]; prox: ^Item; END;
VAR
  t: Turma; i, j: INTEGER; cab, q: ^Item; m: REAL;
  letras: STRING; contagem: ARRAY[1..26] OF INTEGER; c: CHAR;

FUNCTION MediaDe(f: Ficha): REAL;
VAR k: INTEGER; soma: REAL;
BEGIN
  soma := 0;
  FOR k := 1 TO 3 DO soma := soma + f.notas[k];
  MediaDe := soma / 3;
END;

PROCEDURE Insere(k: INTEGER; s: STRING);
VAR novo: ^Item;
BEGIN
  NEW(novo);
  novo^.chave := k;
  novo^.texto := s;
  novo^.prox := cab;
  cab := novo;
END;

FUNCTION Junta(a, b: STRING): STRING;
  FUNCTION Colchetes(s: STRING): STRING;
  BEGIN
    Colchetes := '[' + s + ']';
  END;
BEGIN
  Junta := Colchetes(a) + Colchetes(b);
END;

BEGIN
  t[1].nome := 'Ana'; t[2].nome := 'Bruno';
  FOR i := 1 TO 2 DO
    FOR j := 1 TO 3 DO t[i].notas[j] := i * 2 + j;
  FOR i := 1 TO 2 DO WRITELN(t[i].nome, ' ', MediaDe(t[i]):0:2, ' ', t[i].nome[1]);
  cab := NIL;
  Insere(1, 'um');
  Insere(2, 'dois longo demais');
  Insere(3, Junta('a', 'b'));
  q := cab;
  WHILE q <> NIL DO
  BEGIN
    WRITELN(q^.chave, ' ', q^.texto, ' ', LENGTH(q^.texto), ' ', q^.texto[1]);
    q := q^.prox;
  END;
  letras := 'banana';
  FOR i := 1 TO 26 DO contagem[i] := 0;
  FOR i := 1 TO LENGTH(letras) DO
  BEGIN
    c := letras[i];
    INC(contagem[ORD(c) - ORD('a') + 1]);
  END;
  FOR c := 'a' TO 'z' DO
    IF contagem[ORD(c) - 96] > 0 THEN WRITE(c, contagem[ORD(c) - 96], ' ');
  WRITELN;
  m := 0;
  FOR i := 1 TO 10 DO m := m + 1 / i;
  WRITELN(m:0:4);
  WRITELN(Junta(Junta('x', 'y'), 'z'));
END.
