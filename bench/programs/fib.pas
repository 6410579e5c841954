PROGRAM BenchFib;
{ Recursive Fibonacci: calls, returns and integer arithmetic. }
VAR
  n, total: INTEGER;

FUNCTION Fibo(k: INTEGER): INTEGER;
BEGIN
  IF k < 2 THEN
    Fibo := k
  ELSE
    Fibo := Fibo(k - 1) + Fibo(k - 2);
END;

BEGIN
  total := 0;
  FOR n := 25 TO 30 DO
    total := (total + Fibo(n)) MOD 1000000;
  WRITELN(total);
END.
