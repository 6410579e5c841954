PROGRAM Nulo;
VAR nil: integer;
BEGIN
END.
