// Widening a char to int fills the high byte with zero, never with the sign:
// a char holding -1 becomes 255 by assignment and by int().
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 7
int main()
{
    char c;
    int i;
    int r;
    r = 0;
    c = 255;
    i = c;
    if (i == 255) r = r + 1;
    i = int(c);
    if (i == 255) r = r + 2;
    c = 128;
    i = c;
    if (i == 128) r = r + 4;        // -128 in C
    return r;
}
