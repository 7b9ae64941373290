// With -O, f() * 0 and f() % 1 become the constant 0 and f is not called; without -O both calls are made (main returns the number of calls).
// RUN: %run %s | FileCheck --check-prefix=PLAIN %s
// RUN: %run %s -O | FileCheck --check-prefix=FOLDED %s
// PLAIN: result: 4
// FOLDED: result: 2
int calls;
int f()
{
    calls = calls + 1;
    return 5;
}
int main()
{
    int x;
    calls = 0;
    x = f() * 0;
    x = f() % 1;
    x = f() - f();
    return calls;
}
