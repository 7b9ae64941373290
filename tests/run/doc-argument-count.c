// The number of arguments is not checked, and parameters are matched from the
// last argument: f(1, 2) gives the one parameter the value 2.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 7
int x;

int f(int a)
{
    return a;
}

int second(int a, int b)
{
    return a;
}

int main()
{
    int r;
    r = 0;
    x = f(1, 2);
    if (x == 2) r = r + 1;
    if (f(5, 6, 7) == 7) r = r + 2;
    if (second(1, 2, 3) == 2) r = r + 4;
    return r;
}
