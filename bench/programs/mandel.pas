PROGRAM BenchMandel;
{ Real arithmetic: iterations of the Mandelbrot set over a grid. }
VAR
  x, y, n, total: INTEGER;
  cr, ci, zr, zi, zr2, zi2: REAL;
BEGIN
  total := 0;
  FOR y := 0 TO 199 DO
    FOR x := 0 TO 299 DO
    BEGIN
      cr := (x - 200) / 100;
      ci := (y - 100) / 100;
      zr := 0.0;
      zi := 0.0;
      zr2 := 0.0;
      zi2 := 0.0;
      n := 0;
      WHILE (n < 100) AND (zr2 + zi2 <= 4.0) DO
      BEGIN
        zi := 2.0 * zr * zi + ci;
        zr := zr2 - zi2 + cr;
        zr2 := zr * zr;
        zi2 := zi * zi;
        n := n + 1;
      END;
      total := total + n;
    END;
  WRITELN(total);
END.
