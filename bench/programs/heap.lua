-- Records on the heap: linked lists built and dropped again.
local soma = 0
for rodada = 1, 300 do
  local lista = nil
  for i = 1, 1000 do
    lista = { valor = (i * rodada) % 1000, prox = lista }
  end
  while lista ~= nil do
    local p = lista
    soma = (soma + p.valor) % 1000003
    lista = p.prox
  end
end
print(soma)
