// Constant folding wraps in 32 bits with no undefined step in the compiler:
// -2147483648 / -1 is -2147483648, % -1 is 0, negation, product, sum and
// difference wrap at the ends of the range, shift counts are taken modulo
// 32. Initialisers are always folded; with -O the conditions of statements
// too, and the program takes every branch (r adds one bit for each).
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm && %check %s < %t/out.asm
// RUN: %run %s -O | %check --check-prefix=SIM %s && %quarn -O %s %t/folded.asm && %check --check-prefix=FOLDED %s < %t/folded.asm
int quotient = -2147483648 / -1; int product = -2147483648 * -1; int negation = -(-2147483648);
int sum = 2147483647 + 1; int remainder = -2147483648 % -1; int difference = -2147483648 - 1;
int left = 1 << 32; int right = -1 >> 33; int sign = -2147483648 >> 31;
// CHECK-COUNT-4:{{QUOTIENT|PRODUCT|NEGATION|SUM}}: DW -2147483648
// CHECK:REMAINDER: DW 0
// CHECK:DIFFERENCE: DW 2147483647
// CHECK:LEFT: DW 1
// CHECK-COUNT-2:{{RIGHT|SIGN}}: DW -1
int main()
{
    char r;
    r = 0;
    if (-2147483648 / -1 == -2147483648) r = r + 1;
    if (-2147483648 % -1 == 0) r = r + 2;
    if (-2147483648 * -1 == -2147483648) r = r + 4;
    if (2147483647 + 1 == -2147483648) r = r + 8;
    if (-2147483648 - 1 == 2147483647) r = r + 16;
    if (-(-2147483648) == -2147483648) r = r + 32;
    if ((1 << 31) < 0) r = r + 64;
    return r;
}
// SIM:result: 127
// FOLDED:ZMAIN EQU *
// FOLDED-NOT:* {{divw|modw|mulw}}
