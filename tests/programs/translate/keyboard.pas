PROGRAM Keyboard;
TYPE Ficha = RECORD nome: STRING[10]; idade: INTEGER; END;
VAR nome: STRING; idade: INTEGER; altura: REAL; c: CHAR; f: ^Ficha; v: ARRAY[1..2] OF INTEGER;
BEGIN
  READLN(nome);
  READLN(idade, altura);
  READLN(c);
  WRITELN(nome, ' tem ', idade, ' anos e ', altura:0:2, ' m; letra ', c);
  NEW(f);
  READLN(f^.nome);
  READLN(f^.idade);
  WRITELN(f^.nome, ' ', f^.idade + 1);
  READLN(v[1], v[2]);
  WRITELN(v[1] * v[2]);
  DISPOSE(f);
END.
