// An ordering comparison is signed when either operand is signed (an int
// constant does not count): int 1 < unsigned 40000 is false. Products are
// unsigned (a * 3 < 0 is never true); differences and negations keep the
// sign; an unsigned char compared with -1 is compared with 255.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 30
int main()
{
    unsigned int u;
    unsigned char c;
    int i;
    int a;
    int r;
    r = 0;
    u = 40000;
    i = 1;
    if (i < u) r = r + 100;         // compared signed: 40000 reads as -25536
    if (u > 10) r = r + 2;          // unsigned: the constant does not make it signed
    a = -2;
    if (a * 3 < 0) r = r + 100;     // the product is unsigned
    if (a - 3 < 0) r = r + 4;
    a = 2;
    if (-a < 0) r = r + 8;
    c = 200;
    if (c < -1) r = r + 16;         // 200 < 255
    return r;
}
