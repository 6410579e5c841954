PROGRAM Declarations;
CONST
  N = 3; M = +2; Negativo = -4; Meio = 0.5; MenosMeio = -0.5; Titulo = 'Matriz'; Marca = '*'; Ligado = FALSE;
TYPE
  Linha = ARRAY[1..N] OF INTEGER;
  Matriz = ARRAY[1..N, 1..M] OF INTEGER;
  Nome = STRING[8];
  Cor = (Vermelho, Verde, Azul);
  Ponto = RECORD x, y: REAL; END;
  Figura = RECORD
    nome: Nome;
    cor: Cor;
    pontos: ARRAY[1..2] OF Ponto;
    dentro: RECORD a, b: INTEGER; END;
  END;
VAR
  l: Linha; mt: Matriz; nm: Nome; c: Cor; f, g: Figura;
  grade: ARRAY[0..1] OF Linha;
  i, j: INTEGER; palavras: ARRAY[1..2] OF STRING[4];
BEGIN
  WRITELN(Titulo, ' ', N, ' ', M, ' ', Negativo, ' ', Meio:0:2, ' ', MenosMeio:0:2, ' ', Marca, ' ', Ligado);
  FOR i := 1 TO N DO
    FOR j := 1 TO M DO mt[i, j] := i * 10 + j;
  FOR i := 1 TO N DO
  BEGIN
    FOR j := 1 TO M DO WRITE(mt[i, j]:4);
    WRITELN;
  END;
  FOR i := 1 TO N DO l[i] := i * i;
  grade[1][2] := 7; grade[0, 3] := 8;
  WRITELN(l[1] + l[2] + l[3], ' ', grade[1, 2] + grade[0][3]);
  nm := 'nome longo demais';
  WRITELN(nm, ' ', LENGTH(nm));
  c := Azul;
  WRITELN(ORD(c), ' ', ORD(Vermelho));
  f.nome := 'tri';
  f.cor := Verde;
  f.pontos[1].x := 1.5; f.pontos[2].y := -2;
  f.dentro.a := 4; f.dentro.b := 5;
  g.dentro.a := 40;
  WRITELN(f.nome, ' ', ORD(f.cor), ' ', f.pontos[1].x:0:1, ' ', f.pontos[2].y:0:1, ' ', f.dentro.a * f.dentro.b, ' ', g.dentro.a);
  palavras[1] := 'abcdef'; palavras[2] := 'xy';
  WRITELN(palavras[1], ' ', palavras[2], ' ', palavras[1][2], palavras[2, 1]);
END.
