PROGRAM Comentario;
BEGIN
  { sem fim
  WRITELN;
END.