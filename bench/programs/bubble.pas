PROGRAM BenchBubble;
{ Bubble sort of an integer array filled by a small congruential generator. }
CONST
  tamanho = 3000;
VAR
  v: ARRAY[1..3000] OF INTEGER;
  i, j, x, aux, soma: INTEGER;
  trocou: BOOLEAN;
BEGIN
  x := 1;
  FOR i := 1 TO tamanho DO
  BEGIN
    x := (x * 109 + 89) MOD 10007;
    v[i] := x;
  END;
  i := tamanho;
  REPEAT
    trocou := FALSE;
    FOR j := 1 TO i - 1 DO
      IF v[j] > v[j + 1] THEN
      BEGIN
        aux := v[j];
        v[j] := v[j + 1];
        v[j + 1] := aux;
        trocou := TRUE;
      END;
    i := i - 1;
  UNTIL NOT trocou;
  soma := 0;
  FOR i := 1 TO tamanho DO
    soma := (soma + v[i] * i) MOD 1000003;
  WRITELN(soma);
END.
