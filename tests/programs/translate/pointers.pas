PROGRAM Pointers;
TYPE
  Ponto = RECORD x, y: INTEGER; nome: STRING[10]; END;
  PPonto = ^Ponto;
  No = RECORD valor: INTEGER; proximo: ^No; END;
VAR
  p: PPonto; q: ^INTEGER; r: ^REAL; s: ^STRING; c: INTEGER;
  pt: Ponto; pi: ^INTEGER;
  lista, novo: ^No; k: INTEGER;
BEGIN
  NEW(p);
  p^.x := 1; p^.y := 2; p^.nome := 'ponto';
  INC(p^.x); DEC(p^.y); DEC(p^.y);
  WRITELN(p^.x, ' ', p^.y, ' ', p^.nome, ' ', p^.nome[2]);
  p^.nome[1] := 'P';
  WRITELN(p^.nome);
  NEW(q); q^ := 10; INC(q^); WRITELN(q^);
  VAL('123', q^, c); WRITELN(q^, ' ', c);
  NEW(r); VAL('2.5', r^, c); WRITELN(r^:0:2, ' ', c);
  NEW(s); s^ := 'texto'; WRITELN(s^[3], LENGTH(s^));
  pt.x := 5; pt.y := 6;
  pi := @pt.y;
  pi^ := pi^ + 100;
  WRITELN(pt.x, ' ', pt.y);
  lista := NIL;
  FOR k := 1 TO 4 DO
  BEGIN
    NEW(novo);
    novo^.valor := k * k;
    novo^.proximo := lista;
    lista := novo;
  END;
  WHILE lista <> NIL DO
  BEGIN
    WRITE(lista^.valor, ' ');
    novo := lista;
    lista := lista^.proximo;
    DISPOSE(novo);
  END;
  WRITELN;
  DISPOSE(p); DISPOSE(q); DISPOSE(r); DISPOSE(s);
END.
