// Recursive calls keep their arguments, frames and live temporaries apart: Fibonacci, factorial (a product of a call result) and a sum whose left operand waits on the stack.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// RUN: %run %s -C | FileCheck %s
// RUN: %run %s -C -O | FileCheck %s
// CHECK: result: 7
int number;
int failed;

// Counts the checks; remembers the first one that fails.
void expect(int got, int want)
{
    number = number + 1;
    if (got != want)
        if (failed == 0)
            failed = number;
}

int fib(int n)
{
    if (n < 2)
        return n;
    return fib(n - 1) + fib(n - 2);
}

int fact(int n)
{
    if (n < 2)
        return 1;
    return n * fact(n - 1);
}

int sum(int n)
{
    if (n == 0)
        return 0;
    return n + sum(n - 1);
}

char depth(char n)
{
    if (n == 0)
        return 0;
    return depth(n - 1) + 2;
}

int main()
{
    expect(fib(1), 1);
    expect(fib(12), 144);
    expect(fib(20), 6765);
    expect(fact(7), 5040);
    expect(fact(8), 40320);
    expect(sum(20), 210);
    expect(int(depth(20)), 40);
    if (failed)
        return 200 + failed;
    return number;
}
