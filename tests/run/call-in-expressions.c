// Call results take part in larger expressions: sums and products of calls, calls as arguments, in an element index, in conditions and under several live words.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// RUN: %run %s -C | FileCheck %s
// RUN: %run %s -C -O | FileCheck %s
// CHECK: result: 16
int number;
int failed;
int ia;
int ib;
int ic;
int arr[4];

void expect(int got, int want)
{
    number = number + 1;
    if (got != want)
        if (failed == 0)
            failed = number;
}

int twice(int v)
{
    return v + v;
}

int add(int a, int b)
{
    return a + b;
}

char inc(char c)
{
    return c + 1;
}

int main()
{
    int local;
    ia = 5;
    ib = 7;
    ic = 100;
    expect(ia + twice(ib), 19);
    expect(twice(ia) + twice(ib), 24);
    expect(twice(twice(ia)), 20);
    expect(add(ia, twice(ib)), 19);
    expect(add(twice(ia), add(ib, ic)), 117);
    expect(ic - twice(ia) * add(ia, ib), -20);
    expect(twice(ia) * twice(ib), 140);
    expect(add(ia, ib) / twice(ia) + add(ia, ib) % twice(ia), 3);
    expect(int(inc(inc(40))), 42);
    expect(ia + (ib + (ic + twice(ia))), 122);
    local = ia + twice(ib);
    expect(local, 19);
    ia = ia + twice(ib);
    expect(ia, 19);
    arr[twice(1)] = twice(ic);
    expect(arr[2], 200);
    local = 0;
    if (twice(ia) == 38)
        local = 1;
    expect(local, 1);
    while (twice(local) < 10)
        local = local + 1;
    expect(local, 5);
    expect(twice(ia) << ib, 4864);
    if (failed)
        return 200 + failed;
    return number;
}
