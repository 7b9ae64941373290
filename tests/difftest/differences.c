// Differences from C that the differential generator avoids (docs/language.md
// gives these values). A chain of one precedence level that starts with a
// char is balanced against the whole chain's type; a constant on the left of
// + or - becomes a char constant when the sum meets a char; *(p + i) with an
// int index reads a char typed int, keeping a leftover high byte. main
// returns the number of the first check that fails, 0 when all pass.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// RUN: %run %s -C | FileCheck %s
// CHECK: result: 0
unsigned char c;
int i;
int j;
int x;
unsigned int ui;
unsigned int ux;
unsigned char a[4];
unsigned char *p;
int main()
{
    c = 2;
    i = 300;
    j = 1;
    x = c + i - 1;
    if (x != 45) return 1;
    x = c + i + j;
    if (x != 47) return 2;
    x = i * c * j;
    if (x != 88) return 3;
    x = c | 1 | i | 256;
    if (x != 47) return 4;
    x = (c + i) - 1;
    if (x != 301) return 5;
    x = i + c - 1;
    if (x != 301) return 6;
    ui = 0;
    c = 1;
    ux = 300 - ui | c;
    if (ux != 45) return 7;
    ux = ui + 300 | c;
    if (ux != 301) return 8;
    ux = (300 - ui) + c;
    if (ux != 45) return 9;
    p = a;
    a[2] = 7;
    i = 2;
    c = 2;
    x = *(p + i);
    if (x == 7) return 10;
    if ((x & 255) != 7) return 11;
    x = *(p + c);
    if (x != 7) return 12;
    x = *(p + 2);
    if (x != 7) return 13;
    return 0;
}
