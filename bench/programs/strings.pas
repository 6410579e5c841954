PROGRAM BenchStrings;
{ String building by concatenation, indexing, LENGTH and comparison. }
VAR
  s, anterior, maior: STRING;
  i, j, conta, soma: INTEGER;
BEGIN
  conta := 0;
  soma := 0;
  anterior := '';
  maior := '';
  FOR i := 1 TO 3000 DO
  BEGIN
    s := '';
    FOR j := 1 TO 120 DO
      s := s + CHR(65 + (i * 7 + j * j) MOD 26);
    IF s > maior THEN
      maior := s;
    IF s = anterior THEN
      conta := conta + 1;
    IF s < anterior THEN
      conta := conta + 2;
    anterior := s;
    soma := (soma + ORD(s[i MOD 120 + 1]) + LENGTH(s)) MOD 1000003;
  END;
  WRITELN(conta, ' ', soma, ' ', ORD(maior[1]), ' ', ORD(maior[120]));
END.
