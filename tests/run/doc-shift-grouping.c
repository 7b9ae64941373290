// + and - after a shift apply to the shifted value: a << b + c groups as
// (a << b) + c, while * still binds to the count and a + b << c is
// (a + b) << c as in C.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 7
int main()
{
    int a;
    int b;
    int c;
    int r;
    r = 0;
    a = 1;
    b = 2;
    c = 3;
    if (a << b + c == 7) r = r + 1;         // 4 + 3, where C gives 32
    if (a << b * c == 64) r = r + 2;
    if (a + b << c == 24) r = r + 4;
    return r;
}
