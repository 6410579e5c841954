PROGRAM Declaracoes;
CONST
  Maximo = 10;
  Ligado, Pronto = TRUE;
  Titulo = 'Pascal KAU!';
  Letra = 'K';
  Negativo = -5;
TYPE
  Indice = INTEGER;
  Apontador = ^Indice;
  Vetor = ARRAY [1..Maximo] OF REAL;
  Matriz = ARRAY [0..3, 1..4] OF CHAR;
  Ficha = RECORD
    Nome: STRING[30];
    Idade, Altura: INTEGER;
    Ativo: BOOLEAN;
  END;
  Cor = (Vermelho, Verde, Azul);
  Frase = STRING;
VAR
  Arquivo: TEXT;
  V: Vetor;
  P: ^INTEGER;
  F: Ficha;
  I, J: INTEGER;
  Tabela: ARRAY [1..Maximo] OF Ficha;

FUNCTION Dobro(X: INTEGER): INTEGER;
BEGIN
  Dobro := X * 2;
END;

FUNCTION Metade: REAL;
VAR
  Local: REAL;
BEGIN
  Local := 1.5;
  Metade := Local / 2;
END;

PROCEDURE Troca(VAR A, B: INTEGER; C: Indice);
VAR
  T: INTEGER;

  PROCEDURE Interna;
  BEGIN
  END;

BEGIN
  T := A;
  A := B;
  B := T;
  Interna;
END;

BEGIN
  I := Dobro(3);
  Troca(I, J, 1);
END.
