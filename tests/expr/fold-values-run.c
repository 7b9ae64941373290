// Folded and rewritten expressions compute the same values with -O as the
// code generated for them as written: products, quotients and remainders by
// constants and powers of two, sums with constants moved and gathered,
// negations turned into differences, const symbols and folded initialisers.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// RUN: %run %s -C -O | FileCheck %s
// CHECK: result: 34
int number;
int failed;
int x;
int y;
const int k = 10;
int initial = 2 + 3 * 4 - 7 / 2;

void expect(int got, int want)
{
    number = number + 1;
    if (got != want)
        if (failed == 0)
            failed = number;
}

int main()
{
    x = 1000;
    y = 7;
    expect(2 + 3 * 4, 14);
    expect(x * 8, 8000);
    expect(x * 128, 128000 % 65536);
    expect(8 * x, 8000);
    expect(x * 0, 0);
    expect(x * 1, 1000);
    expect(x * 3, 3000);
    expect(x / 4, 250);
    expect(x / 256, 3);
    expect(x / 1, 1000);
    expect(x % 16, 8);
    expect(x % 128, 104);
    expect(x % 1, 0);
    expect(x - 3, 997);
    expect(x - 0, 1000);
    expect(3 + x, 1003);
    expect((x + 1) + 2, 1003);
    expect(x + 1 + y + 2, 1010);
    expect((x + y) + (y + 1), 1015);
    expect((x + y) + (y - 1), 1013);
    expect(x + -y, 993);
    expect(-y + x, 993);
    expect(x - -y, 1007);
    expect((5 - x) + 3, -992);
    expect((x * 3) * 5, 15000);
    expect((x * 3) * y, 21000);
    expect(x * 3 * 4, 12000);
    expect(k * 2 + x, 1020);
    expect(x - k, 990);
    expect(int(1 == x), 0);
    expect(int(1000 == x), 1);
    expect(initial, 11);
    expect(y & 1 | 8 ^ 2, 11);
    expect(x - 3 + 3, 1000);
    if (failed)
        return 200 + failed;
    return number;
}
