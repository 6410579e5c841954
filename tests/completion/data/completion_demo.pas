program demo;
begin
  wri
end.
