// Shifts by counts of 1 to 15 (loops; unrolled steps and counters under -O) compute the right values, and >> shifts zeros in.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 15
int number;
int failed;
char ca;
char cn;
int ia;
int in;

void expect(int got, int want)
{
    number = number + 1;
    if (got != want)
        if (failed == 0)
            failed = number;
}

int main()
{
    ca = 5;
    cn = 3;
    expect(int(ca << cn), 40);
    expect(int(ca << 6), 64);
    ca = 200;
    expect(int(ca >> cn), 25);
    expect(int(ca >> 7), 1);
    ia = 3;
    in = 4;
    expect(ia << in, 48);
    expect(ia << 3, 24);
    expect(ia << 5, 96);
    expect(ia << 14, -16384);
    ia = -1;
    expect(ia >> in, 4095);
    expect(ia >> 1, 32767);
    expect(ia >> 4, 4095);
    expect(ia >> 9, 127);
    ia = 1000;
    expect(ia * 8, 8000);
    expect(ia / 16, 62);
    expect(ia % 16, 8);
    if (failed)
        return 200 + failed;
    return number;
}
