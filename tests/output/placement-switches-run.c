// A program computes the same on the simulator wherever the switches put the
// code (-B), the stack (-S), the register block and the variables (-V in page
// zero, or straddling into page one so that variables start at $0200).
// RUN: %run %s 2>/dev/null | %check %s
// RUN: %run %s -B:4000 2>/dev/null | %check %s
// RUN: %run %s -S:01FF 2>/dev/null | %check %s
// RUN: %run %s -V:0080 2>/dev/null | %check %s
// RUN: %run %s -V:00E1 2>/dev/null | %check %s
// CHECK:result: 42
int a;
char b;
int c[3];
int main()
{
    a = 40;
    b = 2;
    c[2] = a + b;
    return c[2];
}
