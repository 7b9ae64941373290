// Run on the simulator: arguments arrive at the offsets their equates name (in
// order, the last at $0004), locals keep separate bytes below the saved frame
// register, and initialised file-level data is read where it was placed.
// RUN: %run %s | FileCheck %s
// CHECK: result: 45
int bias = 7;
char unused;
int sub(int a, int b)
{
    int t;
    t = a - b;
    return t;
}
int main()
{
    char c;
    int x;
    char d;
    c = 1;
    x = sub(50, 8);
    d = 9;
    return x + c + d - bias;
}
