// Initial values are folded at compile time: constants and const names fold,
// a lone variable gives its recorded value, and a tree that does not fold to
// one constant leaves the value its root node holds (5 + v is rewritten to
// v + 5 and keeps the 5; v + 1 holds 0).
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm 2> %t/err
// RUN: %check %s < %t/out.asm
// RUN: count 0 < %t/err
const int k = 5;
int v = 7;
int u;
int folded = 2 + 3 * 4;
int viaConst = k + 1;
int lone = v;
int loneUninitialised = u;
int constFirst = 5 + v;
int variableFirst = v + 1;
char negative = -1;
int hex = 0x1F;
bool yes = true;
const char small = k;
// CHECK:K: DW 5
// CHECK:V: DW 7
// CHECK-NEXT:U DS 2
// CHECK:FOLDED: DW 14
// CHECK:VIACONST: DW 6
// CHECK:LONE: DW 7
// CHECK:LONEUNINITIALISED: DW 0
// CHECK:CONSTFIRST: DW 5
// CHECK:VARIABLEFIRST: DW 0
// CHECK:NEGATIVE: DFB -1
// CHECK:HEX: DW 31
// CHECK:YES: DFB -1
// CHECK:SMALL: DFB 5
