program aritmetica;
var a, b, i: integer; r, s: real;
begin
  a := 17; b := 5;
  writeln(a + b, ' ', a - b, ' ', a * b, ' ', a div b, ' ', a mod b);
  writeln(-a div b, ' ', -a mod b, ' ', a div -b, ' ', a mod -b);
  writeln(a / b:0:4);
  writeln(abs(-7), ' ', sqr(9), ' ', abs(-2.5):0:2, ' ', sqr(1.5):0:2);
  writeln(odd(3), ' ', odd(-3), ' ', odd(4), ' ', odd(-4));
  if odd(-3) then writeln('impar') else writeln('par');
  writeln(succ(10), ' ', pred(10));
  i := 2147483647; i := i + 1; writeln(i);
  r := 2.5; s := 4;
  writeln(r + s:0:3, ' ', r - s:0:3, ' ', r * s:0:3, ' ', s / r:0:3);
  writeln(a + r:0:2, ' ', r + a:0:2);
  writeln(sqrt(16):0:3, ' ', sqrt(2.25):0:3, ' ', ln(1):0:3, ' ', exp(0):0:3);
  writeln(sin(0):0:3, ' ', cos(0):0:3, ' ', arctan(1) * 4:0:6);
  writeln(trunc(3.7), ' ', trunc(-3.7), ' ', round(3.5), ' ', round(-3.5), ' ', round(2.5), ' ', round(0.5));
  writeln(round(2.4), ' ', round(-2.6), ' ', trunc(7));
  writeln(7 / 2:0:1, ' ', -r:0:1, ' ', -a);
  writeln((a > b) and (b > 0), ' ', (a < b) or (b < 0), ' ', not (a = b));
  writeln(a = 17, ' ', a <> 17, ' ', a < 17, ' ', a <= 17, ' ', a > 17, ' ', a >= 17);
  writeln(r = 2.5, ' ', r <> 2.5, ' ', r < s, ' ', r <= s, ' ', r > s, ' ', r >= s);
  writeln(a > r, ' ', r < a);
end.
