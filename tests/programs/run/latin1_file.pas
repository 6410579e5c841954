PROGRAM DadosWindows;
{ A data file written on Windows (code page 1252, not UTF-8) reads as the
  same characters. }
VAR
  f: TEXT;
  s: STRING;
  c: CHAR;
BEGIN
  ASSIGN(f, 'dados.txt');
  RESET(f);
  READLN(f, s);
  WRITELN(s, ' ', s = 'Conceição', ' ', LENGTH(s));
  WHILE NOT EOF(f) DO
  BEGIN
    READ(f, c);
    WRITE(c);
  END;
  CLOSE(f);
END.
