// Constant folding wraps in 32 bits without any undefined step in the
// compiler: -2147483648 / -1 gives -2147483648 and % -1 gives 0, the
// negation, product, sum and difference at the ends of the range wrap, and
// shift counts are taken modulo 32. Initialisers are folded always; under -O
// so are the conditions of statements, and the program takes every branch.
// RUN: rm -rf %t && mkdir -p %t && split-file %s %t
// RUN: %quarn %t/data.c %t/data.asm
// RUN: %check --check-prefix=DATA %s < %t/data.asm
// RUN: %run %t/branches.c -O | FileCheck --check-prefix=SIM %s
// RUN: %quarn -O %t/branches.c %t/branches.asm
// RUN: %check --check-prefix=FOLDED %s < %t/branches.asm
// DATA:QUOTIENT: DW -2147483648
// DATA:REMAINDER: DW 0
// DATA:PRODUCT: DW -2147483648
// DATA:NEGATION: DW -2147483648
// DATA:SUM: DW -2147483648
// DATA:DIFFERENCE: DW 2147483647
// DATA:LEFT: DW 1
// DATA:RIGHT: DW -1
// DATA:SIGN: DW -1
// SIM:result: 127
// FOLDED-NOT:* divw
// FOLDED-NOT:* modw
// FOLDED-NOT:* mulw
//--- data.c
int quotient = -2147483648 / -1;
int remainder = -2147483648 % -1;
int product = -2147483648 * -1;
int negation = -(-2147483648);
int sum = 2147483647 + 1;
int difference = -2147483648 - 1;
int left = 1 << 32;
int right = -1 >> 33;
int sign = -2147483648 >> 31;
//--- branches.c
int main()
{
    char r;
    r = 0;
    if (-2147483648 / -1 == -2147483648)
        r = r + 1;
    if (-2147483648 % -1 == 0)
        r = r + 2;
    if (-2147483648 * -1 == -2147483648)
        r = r + 4;
    if (2147483647 + 1 == -2147483648)
        r = r + 8;
    if (-2147483648 - 1 == 2147483647)
        r = r + 16;
    if (-(-2147483648) == -2147483648)
        r = r + 32;
    if ((1 << 31) < 0)
        r = r + 64;
    return r;
}
