# Nested integer loops with DIV and MOD.
soma = 0
for i in range(1, 301):
    for j in range(1, 301):
        for k in range(1, 31):
            soma = (soma + (i * j) // k + (i + j) % (k + 1)) % 1000003
print(soma)
