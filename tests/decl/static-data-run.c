// Run on the simulator: initialised file-level data is read where it was placed,
// a const folds into the code, and a static local keeps its value from one call
// to the next.
// RUN: %run %s | FileCheck %s
// CHECK: result: 42
int base = 300;
char step = 4;
const int k = 8;
int counter()
{
    static int calls = 0;
    calls = calls + step;
    return calls;
}
int main()
{
    counter();
    counter();
    return counter() + (base >> 2) - k - 37;
}
