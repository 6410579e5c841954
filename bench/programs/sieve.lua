-- Sieve of Eratosthenes, repeated: array indexing and boolean stores.
local limite = 100000
local composto = {}
local total = 0
for rodada = 1, 20 do
  for i = 2, limite do composto[i] = false end
  local primos = 0
  for i = 2, limite do
    if not composto[i] then
      primos = primos + 1
      local j = i + i
      while j <= limite do
        composto[j] = true
        j = j + i
      end
    end
  end
  total = total + primos
end
print(total)
