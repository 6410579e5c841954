program conversao;
var i, codigo: integer; r: real;

procedure inteiro(s: string);
begin
  val(s, i, codigo);
  writeln('[', s, '] ', i, ' ', codigo);
end;

procedure real_(s: string);
begin
  val(s, r, codigo);
  writeln('[', s, '] ', r:0:3, ' ', codigo);
end;

begin
  inteiro('12');
  inteiro('-345');
  inteiro(' 7');
  inteiro('12.5');
  inteiro('12abc');
  inteiro('abc');
  inteiro('a');
  inteiro('');
  inteiro('2147483647');
  real_('0');
  real_('0.0');
  real_('3.25');
  real_('-1.5e2');
  real_('2.5x');
  real_('.5');
  real_('');
  val('7', i, codigo);
  writeln(i, ' ', codigo);
end.
