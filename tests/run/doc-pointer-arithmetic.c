// Pointer arithmetic counts bytes whatever the pointed type: p + 1 on an int
// pointer reads the high byte of one int and the low byte of the next.
// p[i] = v and *p = v store through the pointer; *(p + 2) reads the second
// int.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 7
int a[3];

int main()
{
    int *p;
    int r;
    r = 0;
    a[0] = 258;
    a[1] = 0;
    p = a;
    p = p + 1;
    if (*p == 1) r = r + 1;
    p = a;
    p[1] = 40;
    *p = 2;
    if (a[0] + a[1] == 42) r = r + 2;
    if (*(p + 2) == 40) r = r + 4;
    return r;
}
