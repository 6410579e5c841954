# String building by concatenation, indexing, LENGTH and comparison.
conta = 0
soma = 0
anterior = ""
maior = ""
for i in range(1, 3001):
    s = ""
    for j in range(1, 121):
        s = s + chr(65 + (i * 7 + j * j) % 26)
    if s > maior:
        maior = s
    if s == anterior:
        conta = conta + 1
    if s < anterior:
        conta = conta + 2
    anterior = s
    soma = (soma + ord(s[i % 120]) + len(s)) % 1000003
print(conta, soma, ord(maior[0]), ord(maior[119]))
