// Programs compute what the precedence levels say: products before sums,
// left-associative chains, the shift level taking one operator and then only
// sums (a << 1 + 2 is (a << 1) + 2), the bitwise levels tighter than the
// logical ones, parentheses and unary operators.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 22
int number;
int failed;
int a;
int b;
int c;

void expect(int got, int want)
{
    number = number + 1;
    if (got != want)
        if (failed == 0)
            failed = number;
}

int main()
{
    a = 5;
    b = 3;
    c = 2;
    expect(a << 1 + 2, 12);
    expect(a << b - c, 38);
    expect(a + b << c, 32);
    expect(a - b << c + 1, 9);
    expect(a >> 1 * 2, 1);
    expect(a - b - c, 0);
    expect(a - (b - c), 4);
    expect(a * b + c, 17);
    expect(a + b * c, 11);
    expect(a * b % c, 1);
    expect(a / c * b, 6);
    expect(-a * b + c, -13);
    expect(a * -b, -15);
    expect(~a & 15, 10);
    expect(a & b ^ c | 8, 11);
    expect(a | b ^ c & 6, 5);
    expect(a ^ b & c, 7);
    expect((a + b) * c, 16);
    expect(((a)) + (((b))), 8);
    expect(- -a, 5);
    expect(+a + +b, 8);
    expect(int(a < b), 0);
    if (failed)
        return 200 + failed;
    return number;
}
