// Division by zero at run time gives a quotient of all one bits and a
// remainder equal to the dividend; a constant zero divisor is refused under
// -O, where the expression is folded, and always in an initialiser (the
// message names the line after the one whose ";" ends it).
// RUN: rm -rf %t && mkdir -p %t
// RUN: %run %s | FileCheck %s
// RUN: %status 2 %quarn -O %s %t/out.asm 2> %t/err
// RUN: %check --check-prefix=ERR %s < %t/err
// RUN: echo 'int k = 4 / 0;' > %t/init.c
// RUN: %status 2 %quarn %t/init.c %t/init.asm 2> %t/init.err
// RUN: %check --check-prefix=INIT %s < %t/init.err
// CHECK: result: 3
// ERR:line 23: error: divide by zero detected
// INIT:line 2: error: divide by zero detected
int main()
{
    int x;
    int y;
    int r;
    r = 0;
    x = 5;
    y = x % 0;
    if (y == 5) r = r + 1;
    x = x / 0;
    if (x == 65535) r = r + 2;
    return r;
}
