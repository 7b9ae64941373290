// Tokens as the declarations show them: integers in every base wrapping in 32
// bits; true is all bits set; fraction digits are added one by one (0.007 is
// just below 7/1000) unless an exponent sends the text through atof; longest
// operators first; '#' and '//' run to the end of the line or input (this file
// has no final newline); names are case-sensitive, locals carry their
// function's name; keyword entries type casts and port reads, a function's
// parameters its arguments (see the notes).
// RUN: rm -rf %t && mkdir -p %t && %status 1 %quarn %s %t/out.asm > %t/out 2> %t/err
// RUN: %check %s < %t/out.asm && %check --check-prefix=NOTE %s < %t/out
#include <stdio.h>
;; int decimal = 9999 + 4294967297; int sign = 2147483648; # int skipped = 9;
#if 0
int octal = 017 + 037777777777; int hex = 0x1F + 0XaB + 0x + 0x100000001;
#endif
int truth = true * 2 + false; int Int = 10;
int fraction = 12.5 * 8; int summed = 0.007 * 1000; int whole = 0.007e0 * 1000;
int exponents = 1.5E-2 * 1000 + 2.5e+1 * 39 + 1.5e * 6 + 1;
int pairs = 0 + (1<<3) + (9>>1) + 16 * (1&&2) + 32 * (0||2) + 64 * (3+-1) + 256/4;
int le = 3<=3; int ge = 4>=4; int eq = 2==2; int ne = 3!=2; int gt = 0>-1;
int count;
int other(int count) { return count; }
int main() { int count; count = 5; return count; }
int f(int a, char b) { return a; }
char c; void typed() { count = f(c, count); count = f(count, c);
    c = int(c); c = short(c); c = inpw(1); c = inp(1); c = char(count); }
// NOTE:line [[#@LINE-2]]: note: parameter expected 03 type, argument found 04 type
// NOTE-COUNT-3:line [[#@LINE-2]]: note: lvalue expected 03 type, rvalue found 04 type
// NOTE-NOT:{{.*}}note{{.*}}
// CHECK:DECIMAL: DW 10000
// CHECK:SIGN: DW -2147483648
// CHECK-NOT:SKIPPED{{.*}}
// CHECK:OCTAL: DW 14
// CHECK:HEX: DW 203
// CHECK:TRUTH: DW -2
// CHECK:INT: DW 10
// CHECK:FRACTION: DW 100
// CHECK:SUMMED: DW 6
// CHECK:WHOLE: DW 7
// CHECK:EXPONENTS: DW 1000
// CHECK:PAIRS: DW 252
// CHECK-COUNT-5:{{LE|GE|EQ|NE|GT}}: DW 1
// CHECK:COUNTZOTHER EQU $0004
// CHECK:COUNTZMAIN EQU $FFFF
// CHECK:* return {{$}}
// CHECK-NEXT: LDA $0100+COUNTZMAIN,X
// CHECK:* END * ZMAIN
// no newline