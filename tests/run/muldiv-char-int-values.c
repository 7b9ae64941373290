// Char and int products, quotients and remainders compute the right unsigned values, inline and through the runtime routines, alone and inside larger expressions.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// RUN: %run %s -C | FileCheck %s
// RUN: %run %s -C -O | FileCheck %s
// CHECK: result: 28
int number;
int failed;
char ca;
char cb;
int ia;
int ib;
int ic;
int id;

void expect(int got, int want)
{
    number = number + 1;
    if (got != want)
        if (failed == 0)
            failed = number;
}

int main()
{
    int local;
    // char: the product is truncated to one byte; a zero divisor gives a
    // quotient of all ones and leaves the dividend as the remainder
    ca = 13;
    cb = 11;
    expect(int(ca * cb), 143);
    ca = 200;
    cb = 3;
    expect(int(ca * cb), 88);
    ca = 250;
    cb = 7;
    expect(int(ca / cb), 35);
    expect(int(ca % cb), 5);
    cb = 250;
    expect(int(ca / cb), 1);
    expect(int(ca % cb), 0);
    cb = 0;
    expect(int(ca / cb), 255);
    expect(int(ca % cb), 250);
    // int: truncated to 16 bits, divided as unsigned values
    ia = 123;
    ib = 45;
    expect(ia * ib, 5535);
    ia = 300;
    ib = 300;
    expect(ia * ib, 24464);
    ia = 60000;
    ib = 7;
    expect(ia / ib, 8571);
    expect(ia % ib, 3);
    ia = -7;
    ib = 2;
    expect(ia / ib, 32764);
    expect(ia % ib, 1);
    ia = 1000;
    ib = 0;
    expect(ia / ib, -1);
    expect(ia % ib, 1000);
    ia = 65535;
    ib = 256;
    expect(ia / ib, 255);
    expect(ia % ib, 255);
    // inside larger expressions, with live words below the operation
    ia = 5;
    ib = 6;
    ic = 7;
    id = 8;
    expect(ia + ib * ic, 47);
    expect(ia * ib + ic * id, 86);
    expect(ia * ib * ic, 210);
    expect(id - ia * (ib + ic), -57);
    expect(ia * (ib + ic * id), 310);
    expect((ia + ib) * (ic + id), 165);
    expect(ia * ib / ic % id, 4);
    expect(1000 / (ia * ib), 33);
    expect(ia + (ib + (ic + id % ic * ib)), 24);
    local = 12;
    expect(local * local - local / ia, 142);
    if (failed)
        return 200 + failed;
    return number;
}
