PROGRAM TextFiles;
VAR f: TEXT; nome, linha: STRING; n, total: INTEGER; x: REAL;
BEGIN
  nome := 'dados.txt';
  ASSIGN(f, nome);
  REWRITE(f);
  WRITELN(f, 'primeira');
  WRITELN(f, 10, ' ', 20);
  WRITE(f, 'x':3, 'ab':4);
  WRITELN(f);
  WRITELN(f, 2.5:6:2);
  CLOSE(f);
  ASSIGN(f, 'dados.txt');
  APPEND(f);
  WRITELN(f, 'ultima');
  CLOSE(f);
  RESET(f);
  READLN(f, linha);
  WRITELN('[', linha, ']');
  READLN(f, n, total);
  WRITELN(n + total);
  READLN(f, linha);
  WRITELN('[', linha, ']');
  READLN(f, x);
  WRITELN(x:0:1);
  WHILE NOT EOF(f) DO
  BEGIN
    READLN(f, linha);
    WRITELN('[', linha, ']');
  END;
  CLOSE(f);
END.
