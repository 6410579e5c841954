PROGRAM T;
VAR f: TEXT; s: STRING[8];
BEGIN
  ASSIGN(f, 'a.txt');
  ASSIGN(f, s);
  RESET(f);
  REWRITE(f);
  APPEND(f);
  CLOSE(f);
  WRITELN(EOF(f));
END.
