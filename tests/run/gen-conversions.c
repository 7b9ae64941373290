// Widening is zero extension, char(e) keeps the low byte, and a bool true ($FF) widened to int becomes 1.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 63
char c;
int i;
bool b;
int main()
{
    int r;
    int w;
    r = 0;
    c = -1;
    w = c;
    if (w == 255) r = r + 1;
    if (int(c) == 255) r = r + 2;
    i = 300;
    if (char(i) == 44) r = r + 4;
    b = 1 < 2;
    w = i + b;
    if (w == 301) r = r + 8;
    if (i + c == 555) r = r + 16;
    i = -1;
    if (i + c == 254) r = r + 32;        // 65535 + 255 wraps to 254
    return r;
}
