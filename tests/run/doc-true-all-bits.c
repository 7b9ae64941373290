// true is -1 (every bit set); a bool compared with it keeps only its lowest
// bit, so b == true is false even when b holds a true comparison.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 7
int main()
{
    int x;
    bool b;
    int r;
    r = 0;
    x = true;
    if (x == -1) r = r + 1;
    x = false;
    if (x == 0) r = r + 2;
    x = 1;
    b = x < 2;
    if (b) r = r + 4;
    if (b == true) r = r + 100;     // never taken
    return r;
}
