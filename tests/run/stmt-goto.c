// goto jumps forward over statements and backward to form a loop; a label may be defined after its first use.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 21
int main()
{
    int n;
    int s;
    n = 0;
    s = 0;
again:
    n = n + 1;
    if (n == 4) goto skip;
    s = s + n;                        // adds 1, 2, 3, 5, 6
skip:
    if (n < 6) goto again;
    goto done;
    s = 100;
done:
    s = s + n - 2;                    // 17 + 4
    return s;
}
