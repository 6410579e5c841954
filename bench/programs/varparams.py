# Procedure calls with results passed back: sorting three values by swaps.
def troca(x, y):
    return y, x


def ordena(x, y, z):
    if x > y:
        x, y = troca(x, y)
    if y > z:
        y, z = troca(y, z)
    if x > y:
        x, y = troca(x, y)
    return x, y, z


def acumula(soma, valor):
    return (soma + valor) % 1000003


total = 0
for i in range(1, 300001):
    a = (i * 37) % 101
    b = (i * 53) % 103
    c = (i * 71) % 107
    a, b, c = ordena(a, b, c)
    total = acumula(total, a * 3 + b * 2 + c)
print(total)
