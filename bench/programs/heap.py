# Records on the heap: linked lists built and dropped again.
class No:
    __slots__ = ("valor", "prox")

    def __init__(self, valor, prox):
        self.valor = valor
        self.prox = prox


soma = 0
for rodada in range(1, 301):
    lista = None
    for i in range(1, 1001):
        lista = No((i * rodada) % 1000, lista)
    while lista is not None:
        p = lista
        soma = (soma + p.valor) % 1000003
        lista = p.prox
print(soma)
