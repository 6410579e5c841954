-- Real arithmetic: iterations of the Mandelbrot set over a grid.
local total = 0
for y = 0, 199 do
  for x = 0, 299 do
    local cr = (x - 200) / 100
    local ci = (y - 100) / 100
    local zr, zi, zr2, zi2 = 0.0, 0.0, 0.0, 0.0
    local n = 0
    while n < 100 and zr2 + zi2 <= 4.0 do
      zi = 2.0 * zr * zi + ci
      zr = zr2 - zi2 + cr
      zr2 = zr * zr
      zi2 = zi * zi
      n = n + 1
    end
    total = total + n
  end
end
print(total)
