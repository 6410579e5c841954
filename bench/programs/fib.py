# Recursive Fibonacci: calls, returns and integer arithmetic.
def fibo(k):
    if k < 2:
        return k
    return fibo(k - 1) + fibo(k - 2)


total = 0
for n in range(25, 31):
    total = (total + fibo(n)) % 1000000
print(total)
