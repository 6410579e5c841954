-- Nested integer loops with DIV and MOD.
local soma = 0
for i = 1, 300 do
  for j = 1, 300 do
    for k = 1, 30 do
      soma = (soma + (i * j) // k + (i + j) % (k + 1)) % 1000003
    end
  end
end
print(soma)
