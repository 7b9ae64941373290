// if/else chains pick exactly one branch, with single statements and blocks; only the low byte of a condition counts, so 256 is false.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 123
int sign(int x)
{
    if (x < 0) return 1;
    else if (x == 0) return 2;
    else { return 3; }
}
int grade(int score)
{
    int g;
    if (score >= 90) { g = 4; }
    else if (score >= 80) { g = 3; }
    else if (score >= 70) g = 2;
    else g = 1;
    return g;
}
int main()
{
    int r;
    int big;
    r = 0;
    // 1 + 2 + 3 = 6
    r = r + sign(-5) + sign(0) + sign(7);
    // 4 + 3 + 2 + 1 = 10, scaled by 10: 100
    r = r + 10 * (grade(95) + grade(85) + grade(75) + grade(10));
    // 256 has a zero low byte: the then-part is skipped
    big = 256;
    if (big) r = r + 50;
    if (big) { r = r + 50; } else { r = r + 7; }
    // 257 has a nonzero low byte
    big = 257;
    if (big) r = r + 10;
    return r;                         // 6 + 100 + 7 + 10 = 123
}
