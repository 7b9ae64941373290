// Globals named like the 6502 registers (x, y, a) or like instructions (inc,
// and, bit) are written X, Y, A, INC, AND, BIT by the compiler; the bridge
// renames them consistently, so the program assembles and computes with
// them as with any other names.
// RUN: %run %s 2>/dev/null | %check %s
// RUN: %run %s -O -C 2>/dev/null | %check %s
// CHECK:result: 93
int x;
int y;
char a;
int inc;
int and;
char bit = 3;

int add(int x, int y)
{
    return x + y;
}

int main()
{
    x = 10;
    y = 20;
    a = 7;
    inc = add(x, y);
    and = inc * bit;
    return and + a - y + 16;
}
