// Pointers to signed types compare as signed numbers; unsigned char pointers
// compare as addresses.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 12
int main()
{
    char *p;
    char *q;
    unsigned char *up;
    unsigned char *uq;
    int r;
    p = int(16384);
    q = int(-16384);
    up = int(16384);
    uq = int(-16384);
    r = 0;
    if (p < q) r = r + 1;
    if (q < p) r = r + 2;
    if (up < uq) r = r + 10;
    if (uq < up) r = r + 20;
    return r;
}
