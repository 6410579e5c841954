program append1;
var f: text;
begin
  assign(f, 'naoexiste.txt');
  append(f);
end.
