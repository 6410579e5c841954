# Real arithmetic: iterations of the Mandelbrot set over a grid.
total = 0
for y in range(0, 200):
    for x in range(0, 300):
        cr = (x - 200) / 100
        ci = (y - 100) / 100
        zr = zi = zr2 = zi2 = 0.0
        n = 0
        while n < 100 and zr2 + zi2 <= 4.0:
            zi = 2.0 * zr * zi + ci
            zr = zr2 - zi2 + cr
            zr2 = zr * zr
            zi2 = zi * zi
            n = n + 1
        total = total + n
print(total)
