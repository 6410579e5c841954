-- Procedure calls with results passed back: sorting three values by swaps.
local function troca(x, y)
  return y, x
end

local function ordena(x, y, z)
  if x > y then x, y = troca(x, y) end
  if y > z then y, z = troca(y, z) end
  if x > y then x, y = troca(x, y) end
  return x, y, z
end

local function acumula(soma, valor)
  return (soma + valor) % 1000003
end

local total = 0
for i = 1, 300000 do
  local a = (i * 37) % 101
  local b = (i * 53) % 103
  local c = (i * 71) % 107
  a, b, c = ordena(a, b, c)
  total = acumula(total, a * 3 + b * 2 + c)
end
print(total)
