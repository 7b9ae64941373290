// Recursion through the hardware stack: Fibonacci numbers the slow way and
// Euclid's algorithm. Returns fib(13) = 233 when gcd(1071, 462) is 21.
// Run it with: build/quarn-cc --run examples/recursion.c
// Optimized:   build/quarn-cc -O --opt --run examples/recursion.c

int fib(int n)
{
    if (n < 2) {
        return n;
    }
    return fib(n - 1) + fib(n - 2);
}

int gcd(int a, int b)
{
    if (b == 0) {
        return a;
    }
    return gcd(b, a % b);
}

int main()
{
    if (gcd(1071, 462) != 21) {
        return 1;
    }
    return fib(13);
}
