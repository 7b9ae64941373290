// Signed comparisons order negative values below positive ones, also when the subtraction overflows; unsigned ones compare the same bits as large values.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 255
signed int s;
signed int t;
unsigned int u;
unsigned char uc;
signed char sc;
int main()
{
    int r;
    s = -5;
    u = 65531;                       // the same bits as -5
    r = 0;
    if (s < 3) r = r + 1;
    if (u > 3) r = r + 2;
    s = 30000;
    t = -30000;
    if (t < s) r = r + 4;            // t - s overflows 16 bits
    if (s >= t) r = r + 8;
    if (t <= t) r = r + 16;
    uc = 200;
    sc = -56;                        // the same bits as 200
    if (uc > 100) r = r + 32;
    if (sc < 100) r = r + 64;
    if (s != t) r = r + 128;
    if (s == t) r = r + 1;           // must not be taken
    if (s > s) r = r + 1;            // must not be taken
    return r;
}
