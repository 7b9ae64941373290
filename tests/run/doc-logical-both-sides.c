// && and || evaluate both operands and combine them bitwise: 1 && 2 is 0, the
// call on the right runs even when the left is 0. With -O two constants fold
// as in C (1 && 2 is 1).
// RUN: %run %s 2>&1 | FileCheck --check-prefixes=CHECK,PLAIN %s
// RUN: %run %s -O 2>&1 | FileCheck --check-prefixes=CHECK,OPT %s
// CHECK: line 24: applying boolean AND to non boolean value
// CHECK: line 26: applying boolean AND to non boolean value
// PLAIN: result: 15
// OPT: result: 31
int calls;
int bump()
{
    calls = calls + 1;
    return 1;
}
int main()
{
    int a;
    int b;
    int r;
    r = 0;
    a = 1;
    b = 2;
    if (a && b) r = r + 100;        // 1 & 2 is 0
    a = 0;
    if (a && bump()) r = r + 100;
    if (calls == 1) r = r + 1;      // bump ran all the same
    if (a != 0 || (b != 0)) r = r + 2;
    if (a == 0 && (b == 2)) r = r + 4;
    a = 1 || 0;
    if (a == 1) r = r + 8;
    a = 1 && 2;
    if (a == 1) r = r + 16;         // only when folded by -O
    return r;
}
