{ Strings compare by unsigned bytes; characters above 127 in comparisons and CASE.
  Output checked against Free Pascal. }
program unsigned_string_order;
var s, t: string; c, d: char; i, j, n: integer; arr: array[1..6] of string;
begin
  arr[1] := 'a'; arr[2] := 'a' + chr(200); arr[3] := chr(128); arr[4] := chr(127) + 'z'; arr[5] := chr(255) + chr(0); arr[6] := 'Z';
  n := 0;
  for i := 1 to 6 do for j := 1 to 6 do
  begin
    if arr[i] < arr[j] then n := n + 1;
    write(arr[i] < arr[j], arr[i] = arr[j], arr[i] >= arr[j], ' ');
  end;
  writeln(n);
  c := chr(200); d := 'a';
  writeln(c > d, ' ', c + '' > d + '', ' ', c > 'z', ' ', chr(255) > chr(254), ' ', s < c);
  case c of
    'a'..'z': writeln('letter');
    #128 .. #255: writeln('high');
  end;
end.
