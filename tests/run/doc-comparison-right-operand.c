// An unparenthesised comparison on the right of &&, ||, &, | or ^ has its own
// right operand cut to the lowest bit: x > 0 && y < n runs as
// x > 0 && y < (n & 1). A constant right operand is not cut, and parentheses
// around the comparison give the intended test. A comparison passed to an int
// parameter is cut the same way, parentheses or not; int(...) or a bool
// parameter keeps it whole.
// RUN: %run %s 2>/dev/null | FileCheck %s
// RUN: %run %s -O 2>/dev/null | FileCheck %s
// CHECK: result: 127
int truth(int v)
{
    return v;
}

int flag(bool v)
{
    return v;
}

int main()
{
    int x;
    int y;
    int n;
    int r;
    r = 0;
    x = 1;
    y = 5;
    n = 10;
    if (x > 0 && y < n) r = r + 100;        // y < 0
    if (x > 0 && (y < n)) r = r + 1;
    if (x > 0 && y < 10) r = r + 2;
    n = 7;
    if (x > 9 || y < n) r = r + 100;        // y < 1
    if (x > 9 || (y < n)) r = r + 4;
    n = 11;
    x = 7;
    if ((x & y < n) == 0) r = r + 8;        // 7 & (5 < 1), where C gives 1
    if ((x & (y < n)) == 1) r = r + 16;     // the comparison taken as 1
    x = 200;
    y = 200;
    if (truth((x == y))) r = r + 100;       // x == (y & 1)
    if (truth(int(x == y))) r = r + 32;
    if (flag(x == y)) r = r + 64;
    return r;
}
