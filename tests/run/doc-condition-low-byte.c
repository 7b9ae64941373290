// A condition tests only the low byte: 256 counts as false, 257 and n != 0 as
// true, in if, while and do alike.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 14
int main()
{
    int n;
    int r;
    r = 0;
    n = 256;
    if (n) r = r + 1;           // not taken
    if (n != 0) r = r + 2;
    n = 257;
    if (n) r = r + 4;
    n = 512;
    while (n) n = 0;            // never entered: n keeps 512
    if (n == 512) r = r + 8;
    return r;
}
