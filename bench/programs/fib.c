// Doubly recursive Fibonacci: fib(17) = 1597, low byte 61, through 5167
// calls.
int fib(int n)
{
    if (n < 2) {
        return n;
    }
    return fib(n - 1) + fib(n - 2);
}

int main()
{
    return fib(17);
}
