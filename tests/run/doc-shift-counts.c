// A shift loop counts the low byte of its count down to zero: a count of 0
// (or 256) shifts 256 times and clears an int. Without -O constant counts do
// the same; with -O a constant count is taken modulo 16 for an int, so
// x << 0, x << 16 and x << 256 leave x unchanged.
// RUN: %run %s | FileCheck --check-prefix=PLAIN %s
// RUN: %run %s -O | FileCheck --check-prefix=OPT %s
// PLAIN: result: 31
// OPT: result: 3
int main()
{
    int x;
    int n;
    int r;
    r = 0;
    x = 5;
    n = 0;
    x = x << n;
    if (x == 0) r = r + 1;
    x = 5;
    n = 256;
    x = x >> n;
    if (x == 0) r = r + 2;
    x = 5;
    x = x << 0;
    if (x == 0) r = r + 4;
    x = 5;
    x = x << 16;
    if (x == 0) r = r + 8;
    x = 5;
    x = x << 256;
    if (x == 0) r = r + 16;
    return r;
}
