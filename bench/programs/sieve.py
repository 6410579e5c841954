# Sieve of Eratosthenes, repeated: array indexing and boolean stores.
limite = 100000
composto = [False] * (limite + 1)
total = 0
for rodada in range(1, 21):
    for i in range(2, limite + 1):
        composto[i] = False
    primos = 0
    for i in range(2, limite + 1):
        if not composto[i]:
            primos = primos + 1
            j = i + i
            while j <= limite:
                composto[j] = True
                j = j + i
    total = total + primos
print(total)
