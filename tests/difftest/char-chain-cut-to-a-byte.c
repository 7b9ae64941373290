// A chain of one precedence level that starts with a char is balanced against the whole chain's type: c + i - 1 is computed in one byte, c + i + j cuts c + i to its low byte, i * c * j and c | 1 | i | 256 lose the high byte; parenthesised or started with the int, the chains are right (the values docs/language.md gives).
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// RUN: %run %s -C | FileCheck %s
// CHECK: result: 63
unsigned char c;
int i;
int j;
int x;
int found;

void expect(int bit, int want)
{
    if (x == want)
        found = found | bit;
}

int main()
{
    c = 2;
    i = 300;
    j = 1;
    found = 0;
    x = c + i - 1;
    expect(1, 45);
    x = c + i + j;
    expect(2, 47);
    x = i * c * j;
    expect(4, 88);
    x = c | 1 | i | 256;
    expect(8, 47);
    x = (c + i) - 1;
    expect(16, 301);
    x = i + c - 1;
    expect(32, 301);
    return found;
}
