{ Recursion through nested routines: each reaches the variables of its own enclosing activation.
  Output checked against Free Pascal. }
program static_links;
var total: integer;
procedure top(n: integer);
var x: integer;
  procedure mid(k: integer);
  var y: integer;
    procedure deep;
    begin
      total := total + x * 100 + y * 10 + k;
      write('[', n, ' ', x, ' ', y, ' ', k, ']');
      if (k > 0) and (n > 1) then top(n - 1);
      write('<', x, y, '>');
    end;
  begin
    y := k + n;
    if k > 0 then mid(k - 1);
    deep;
    write('{', y, '}');
  end;
begin
  x := n * 2;
  mid(n);
  writeln(' top ', n, ' x=', x);
end;
begin
  total := 0;
  top(3);
  writeln(total);
end.
