// A program compiled for another origin (-B), with its own stack pointer
// (-S) or with its variables in RAM (-V) is linked at its origin and returns
// to the start-up through its own stack.
// RUN: %run %s 2>/dev/null | %check %s
// RUN: %run %s -B:4000 2>/dev/null | %check %s
// RUN: %run %s -S:01FF 2>/dev/null | %check %s
// RUN: %run %s -S:01C0 -B:8000 2>/dev/null | %check %s
// RUN: %run %s -V:0080 2>/dev/null | %check %s
// The compiler's slash form of the switches works too.
// RUN: %run %s /S:01FF /B:3000 2>/dev/null | %check %s
// CHECK:result: 55
int total;

int sum(int n)
{
    if (n == 0) {
        return 0;
    }
    return n + sum(n - 1);
}

int main()
{
    total = sum(10);
    return total;
}
