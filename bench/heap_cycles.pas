PROGRAM CiclosHeap;
{ 100,000,000 NEW/DISPOSE pairs beside one block kept for the whole run:
  the heap holds two blocks at most, so the run needs constant memory. }
TYPE
  no = RECORD
    valor: INTEGER;
    prox: ^no;
  END;
VAR
  fixo, p: ^no;
  i, soma: INTEGER;
BEGIN
  NEW(fixo);
  fixo^.valor := 1;
  soma := 0;
  FOR i := 1 TO 100000000 DO
  BEGIN
    NEW(p);
    p^.valor := i MOD 7;
    soma := (soma + p^.valor) MOD 1000003;
    DISPOSE(p);
  END;
  WRITELN(soma + fixo^.valor);
END.
