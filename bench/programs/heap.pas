PROGRAM BenchHeap;
{ Records on the heap: linked lists built with NEW and freed with DISPOSE. }
TYPE
  no = RECORD
    valor: INTEGER;
    prox: ^no;
  END;
VAR
  lista, p: ^no;
  rodada, i, soma: INTEGER;
BEGIN
  soma := 0;
  FOR rodada := 1 TO 300 DO
  BEGIN
    lista := NIL;
    FOR i := 1 TO 1000 DO
    BEGIN
      NEW(p);
      p^.valor := (i * rodada) MOD 1000;
      p^.prox := lista;
      lista := p;
    END;
    WHILE lista <> NIL DO
    BEGIN
      p := lista;
      soma := (soma + p^.valor) MOD 1000003;
      lista := p^.prox;
      DISPOSE(p);
    END;
  END;
  WRITELN(soma);
END.
