-- String building by concatenation, indexing, LENGTH and comparison.
local conta, soma = 0, 0
local anterior, maior = "", ""
for i = 1, 3000 do
  local s = ""
  for j = 1, 120 do
    s = s .. string.char(65 + (i * 7 + j * j) % 26)
  end
  if s > maior then maior = s end
  if s == anterior then conta = conta + 1 end
  if s < anterior then conta = conta + 2 end
  anterior = s
  soma = (soma + s:byte(i % 120 + 1) + #s) % 1000003
end
print(conta .. " " .. soma .. " " .. maior:byte(1) .. " " .. maior:byte(120))
