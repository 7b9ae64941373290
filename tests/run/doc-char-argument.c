// A char argument to an int parameter is pushed as the two bytes of its
// register: the high byte is what the register held, here 1 (the high byte of
// c's address in the stack page, left by the assignment before). int(c)
// widens it.
// RUN: %run %s 2>/dev/null | FileCheck %s
// RUN: %run %s -O 2>/dev/null | FileCheck %s
// CHECK: result: 3
int high(int v)
{
    return v >> 8;
}

int main()
{
    char c;
    int r;
    r = 0;
    c = 3;
    if (high(c) == 1) r = r + 1;
    c = 3;
    if (high(int(c)) == 0) r = r + 2;
    return r;
}
