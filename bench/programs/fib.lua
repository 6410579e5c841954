-- Recursive Fibonacci: calls, returns and integer arithmetic.
local function fibo(k)
  if k < 2 then return k end
  return fibo(k - 1) + fibo(k - 2)
end

local total = 0
for n = 25, 30 do
  total = (total + fibo(n)) % 1000000
end
print(total)
