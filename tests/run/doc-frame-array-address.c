// A local array used as an address is 256 bytes off when its frame offset
// ends in $FF, as for a first local char a[2]: a store through a pointer to
// it misses the array. Its elements read and store right by index, and with
// another local declared first the address is right.
// RUN: %run %s 2>/dev/null | FileCheck %s
// RUN: %run %s -O 2>/dev/null | FileCheck %s
// CHECK: result: 3
char first()
{
    char a[2];
    char *p;
    a[0] = 7;
    p = a;
    *p = 5;
    return a[0];
}

char padded()
{
    char pad;
    char a[2];
    char *p;
    a[0] = 7;
    p = a;
    *p = 5;
    return a[0];
}

int main()
{
    int r;
    r = 0;
    if (first() == 7) r = r + 1;
    if (padded() == 5) r = r + 2;
    return r;
}
