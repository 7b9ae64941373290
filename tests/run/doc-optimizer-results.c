// -O folds constant expressions with C's signed 32-bit rules and takes
// constant shift counts modulo the width, so these results differ from the
// code compiled without it: 1 && 2, !(3 < 5), -7 / 2, -7 % 4, -16 >> 2,
// 70000 / 2, x << 0, x << 16 and a char divided by 256.
// RUN: %run %s 2>/dev/null | FileCheck --check-prefix=PLAIN %s
// RUN: %run %s -O 2>/dev/null | FileCheck --check-prefix=OPT %s
// PLAIN: result: 0
// OPT: result: 255
int x;
int bits;

void expect(bool condition, int bit)
{
    if (condition) bits = bits | bit;
}

int main()
{
    char c;
    x = 1 && 2;
    expect(x == 1, 1);
    if (!(3 < 5)) bits = bits | 2;
    x = -7 / 2;
    expect(x == -3, 4);
    x = -7 % 4;
    expect(x == -3, 8);
    x = -16 >> 2;
    expect(x == -4, 16);
    x = 70000 / 2;
    expect(x == 35000, 32);
    x = 5;
    x = (x << 0) + (x << 16);
    expect(x == 10, 64);
    c = 200;
    c = c / 256;
    expect(c == 200, 128);
    return bits;
}
