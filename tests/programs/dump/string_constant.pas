PROGRAM T;
CONST s = 'abc'; m = -5;
BEGIN
END.
