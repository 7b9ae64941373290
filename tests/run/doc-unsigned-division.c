// Division, modulo and >> treat their operands as unsigned: -7 / 2 is 32764
// (65529 / 2), -7 % 4 is 1 and -16 >> 2 is 16380; char values likewise.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 31
int main()
{
    int a;
    char c;
    int r;
    r = 0;
    a = -7;
    a = a / 2;
    if (a == 32764) r = r + 1;
    a = -7;
    a = a % 4;
    if (a == 1) r = r + 2;
    a = -16;
    a = a >> 2;
    if (a == 16380) r = r + 4;
    c = 249;                    // -7 as a char
    c = c / 2;
    if (c == 124) r = r + 8;
    a = -8;
    a = a / 4;                  // a power of two: a shift under -O, the same value
    if (a == 16382) r = r + 16;
    return r;
}
