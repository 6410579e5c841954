program vazio;
begin
end.
