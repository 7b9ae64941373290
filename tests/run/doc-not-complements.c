// ! complements every bit of its operand: !0 is 65535 and !1 is 65534 (both
// true), while on a comparison result ($FF or 0) it gives 0 or $FF.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 15
int main()
{
    int x;
    int a;
    int b;
    int r;
    r = 0;
    x = 0;
    x = !x;
    if (x == 65535) r = r + 1;
    x = 1;
    x = !x;
    if (x == 65534) r = r + 2;
    a = 1;
    b = 2;
    if (!(a < b)) r = r + 100;  // not taken
    if (!(b < a)) r = r + 4;
    x = a < b;                  // a comparison stored into an int is 1
    if (x == 1) r = r + 8;
    return r;
}
