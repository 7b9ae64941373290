// Sums, differences, negation and the bitwise operators compute 16-bit and 8-bit values with carries and borrows across bytes.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 255
int a;
int b;
char c;
int main()
{
    int r;
    a = 1000;
    b = 3000;
    c = 250;
    r = 0;
    if (b - a == 2000) r = r + 1;
    if (a + b == 4000) r = r + 2;
    if (-a + b == 2000) r = r + 4;
    if (c + 10 == 4) r = r + 8;          // char arithmetic wraps at 256
    if ((a & 255) == 232) r = r + 16;    // 1000 is $03E8
    if ((a | 1) == 1001) r = r + 32;
    if ((a ^ b) == 2128) r = r + 64;     // $03E8 ^ $0BB8 is $0850
    if (~a == -1001) r = r + 128;
    return r;
}
