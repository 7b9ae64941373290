// Initialisers fold at compile time: a lone variable gives its initial value,
// a const one folds, and an expression that does not fold stores what is left
// in its top node (0 for a + 1, 5 for 5 + a). static and const locals keep
// their initial values; an automatic local's initialiser is dropped with a
// warning on standard output.
// RUN: %run %s 2>&1 | FileCheck %s
// RUN: %run %s -O 2>&1 | FileCheck %s
// CHECK: warning: initialization of local variable must be done in code
// CHECK: result: 31
int a = 5;
int b = a + 1;
int c = 5 + a;
int d = a;
const int k = 2;
int e = k * 3;

int count()
{
    static int calls = 40;
    const int step = 1;
    int unused = 9;
    calls = calls + step;
    return calls;
}

int main()
{
    int r;
    r = 0;
    if (b == 0) r = r + 1;
    if (c == 5) r = r + 2;
    if (d == 5) r = r + 4;
    if (e == 6) r = r + 8;
    count();
    if (count() == 42) r = r + 16;
    return r;
}
