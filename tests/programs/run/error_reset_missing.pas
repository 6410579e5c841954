program reset1;
var f: text;
begin
  assign(f, 'naoexiste.txt');
  reset(f);
end.
