program logicos;
type par = record a, b: integer; end;
var
  x, y: integer;
  t, f: boolean;
  p: ^integer;
  q: ^par;
  r: par;

function efeito(v: boolean): boolean;
begin
  write('(avaliou) ');
  efeito := v;
end;

begin
  t := true; f := false;
  writeln(t and f, ' ', t or f, ' ', not t, ' ', t = f, ' ', t <> f);
  writeln(f and efeito(true));
  writeln(t or efeito(false));
  writeln(t and efeito(true));
  x := 3; y := 4;
  if (x < y) and not (x = y) then writeln('ok');
  p := @x;
  p^ := 10;
  writeln(x, ' ', p^);
  r.a := 1; r.b := 2;
  q := @r;
  q^.b := 20;
  writeln(r.a, ' ', r.b, ' ', q^.b);
  writeln(p <> nil, ' ', q = nil);
end.
