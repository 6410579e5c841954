# Bubble sort of an integer array filled by a small congruential generator.
tamanho = 3000
v = [0] * (tamanho + 1)
x = 1
for i in range(1, tamanho + 1):
    x = (x * 109 + 89) % 10007
    v[i] = x
i = tamanho
while True:
    trocou = False
    for j in range(1, i):
        if v[j] > v[j + 1]:
            aux = v[j]
            v[j] = v[j + 1]
            v[j + 1] = aux
            trocou = True
    i = i - 1
    if not trocou:
        break
soma = 0
for k in range(1, tamanho + 1):
    soma = (soma + v[k] * k) % 1000003
print(soma)
