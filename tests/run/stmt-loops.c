// while, do (block and single-statement bodies) and for loops run the right number of times, also with a block body reached through the long branch forms.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 200
int main()
{
    int n;
    int s;
    int k;
    int i;
    // while with a single statement: 10 + 9 + ... + 1 = 55
    n = 10;
    s = 0;
    while (n) { s = s + n; n = n - 1; }
    // while with a single-statement body counts n back up to 5
    while (n < 5) n = n + 1;
    s = s + n;                        // 60
    // do with a block body runs at least once: k = 3, 2, 1 adds 6
    k = 3;
    do {
        s = s + k;
        k = k - 1;
    } while (k);                      // 66
    // do with one statement: k counts to 4
    do k = k + 1; while (k < 4);
    s = s + k;                        // 70
    // for: 0 + 1 + ... + 9 = 45
    for (i = 0; i < 10; i = i + 1) s = s + i;     // 115
    // for with a block body and a nested loop: 5 * 17 = 85
    for (i = 0; i < 5; i = i + 1) {
        k = 0;
        while (k < 17) k = k + 1;
        s = s + k;
    }
    return s;                         // 200
}
