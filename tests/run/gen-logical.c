// && and || evaluate both sides and combine bitwise: comparisons ($FF or 0) behave as expected, other values by their bits.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 31
int x;
int y;
int calls;
int bump()
{
    calls = calls + 1;
    return 0;
}
int main()
{
    int r;
    r = 0;
    x = 256;
    y = 256;
    if (x < y || y < 300) r = r + 1;
    if (x < y && y < 300) r = r + 100;   // not taken
    if (x && y) r = r + 100;             // 256 & 256 has a zero low byte
    if (x || 1) r = r + 2;               // 257
    if (!(x < y)) r = r + 4;
    calls = 0;
    if (x == y || bump()) r = r + 8;     // bump is still called
    if (calls == 1) r = r + 16;
    return r;
}
