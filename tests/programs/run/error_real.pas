program real1;
var r: real;
begin
  readln(r);
end.
