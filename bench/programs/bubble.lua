-- Bubble sort of an integer array filled by a small congruential generator.
local tamanho = 3000
local v = {}
local x = 1
for i = 1, tamanho do
  x = (x * 109 + 89) % 10007
  v[i] = x
end
local i = tamanho
repeat
  local trocou = false
  for j = 1, i - 1 do
    if v[j] > v[j + 1] then
      local aux = v[j]
      v[j] = v[j + 1]
      v[j + 1] = aux
      trocou = true
    end
  end
  i = i - 1
until not trocou
local soma = 0
for k = 1, tamanho do
  soma = (soma + v[k] * k) % 1000003
end
print(soma)
