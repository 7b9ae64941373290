// return does not convert its value to the function's type: a char returned
// from an int function keeps whatever the high byte of BX held, here 1 (the
// high byte of c's address in the stack page, from the assignment before).
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 6
int f()
{
    char c;
    c = 7;
    return c;
}

int g()
{
    char c;
    c = 7;
    return int(c);
}

int main()
{
    int r;
    r = 0;
    if (f() == 7) r = r + 1;
    if (f() == 263) r = r + 2;
    if (g() == 7) r = r + 4;
    return r;
}
