PROGRAM IndexError;
VAR s: STRING[5]; i: INTEGER; c: CHAR;
BEGIN
  s := 'abc';
  i := 12;
  WRITELN(s[2]);
  c := s[i];
  WRITELN('nao chega aqui');
END.
