{ Parameters and locals that hide names of enclosing routines and of the program.
  Output checked against Free Pascal. }
program shadowed_names;
var x, y: integer; s: string;
procedure a(x: integer);
var y: real;
  procedure b(y: string);
  var x: char;
    function c(x: integer): integer;
    var s: integer;
    begin
      s := x * 2;
      c := s + length(y);
    end;
  begin
    x := 'q';
    writeln('b ', x, ' ', y, ' ', c(5), ' ', s);
    s := s + x;
  end;
begin
  y := x / 4;
  writeln('a ', x, ' ', y:0:2);
  b('yy' + s);
  b(s);
  x := x + 1;
  writeln('a2 ', x);
end;
procedure x2;
var s: string[3];
begin
  s := 'local';
  writeln(s);
end;
begin
  x := 10; y := 20; s := 'g';
  a(x + y);
  x2;
  writeln(x, ' ', y, ' ', s);
end.
