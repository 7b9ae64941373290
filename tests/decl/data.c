// File-level variables: an initialised one follows the "* DSEG" marker as
// DFB/DW data with its value folded (a lone variable gives its initial value,
// a const folds, a tree that does not fold leaves its root node's value: 5 + v
// becomes v + 5 and keeps the 5, v + 1 keeps 0; a floating value is cut toward
// zero with a warning, status 1; a struct, of a floating base type, holds 0);
// others reserve DS bytes. With -V each takes the next RAM address after the
// register block, its value dropped with a warning, except const data. -R,
// extern and static change nothing.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 1 %quarn %s %t/out.asm 2>&1 | %check --check-prefix=ERR --implicit-check-not=warning %s
// RUN: %check %s < %t/out.asm
// RUN: %status 1 %quarn -R %s %t/rom.asm 2> /dev/null && diff %t/out.asm %t/rom.asm
// RUN: %status 1 %quarn -V:0300 -R %s %t/rom.asm 2> /dev/null && %check %s < %t/rom.asm
// RUN: %status 1 %quarn -V:0300 %s %t/ram.asm 2> /dev/null | grep -c "warning: initialization of global variable in embedded RAM must be done in code" | grep -x 14
// RUN: %check --check-prefix=RAM %s < %t/ram.asm
// RUN: %status 1 %quarn -V:0080 %s %t/zp.asm 2> /dev/null && %check --check-prefix=ZP %s < %t/zp.asm
int count = 5;
char c = 300;
bool t = true;
char buf[10];
int a, b, d;
extern int e;
static char *p;
const int k = 5;
struct tag {} s;
// CHECK: JMP ZMAIN
// CHECK-EMPTY:
// CHECK-NEXT:* DSEG
// CHECK-NEXT:COUNT: DW 5
// CHECK-EMPTY:
// CHECK-NEXT:* DSEG
// CHECK-NEXT:C: DFB 300
// CHECK-EMPTY:
// CHECK-NEXT:* DSEG
// CHECK-NEXT:T: DFB -1
// CHECK-NEXT:BUF DS 10
// CHECK-NEXT:A DS 2
// CHECK-NEXT:B DS 2
// CHECK-NEXT:D DS 2
// CHECK-NEXT:E DS 2
// CHECK-NEXT:P DS 2
// CHECK-EMPTY:
// CHECK-NEXT:* DSEG
// CHECK-NEXT:K: DW 5
// CHECK-NEXT:S DS 2
// RAM:COUNT EQU $0320
// RAM:C EQU $0322
// RAM:T EQU $0323
// RAM-NEXT:BUF EQU $0324
// RAM-NEXT:A EQU $032E
// RAM-NEXT:B EQU $0330
// RAM:K: DW 5
// RAM-NEXT:S EQU $0338
// ZP:COUNT EQU $00A0
int folded = 2 + 3 * 4;
int viaConst = k + 1;
int lone = count;
int loneUninitialised = a;
int constFirst = 5 + count;
int variableFirst = count + 1;
const char small = k;
int half = 1.5;
// ERR:line [[@LINE]]: conversion from floating point type to integral, possible loss of data
int negativeHalf = -2.7;
// ERR-NEXT:line [[@LINE]]: conversion from floating point type to integral, possible loss of data
char product = 1.5 * 2;
// ERR-NEXT:line [[@LINE]]: conversion from floating point type to integral, possible loss of data
struct {} floating = 1.5;
struct {} integral = 5;
// CHECK:FOLDED: DW 14
// CHECK:VIACONST: DW 6
// CHECK:LONE: DW 5
// CHECK:LONEUNINITIALISED: DW 0
// CHECK:CONSTFIRST: DW 5
// CHECK:VARIABLEFIRST: DW 0
// CHECK:SMALL: DFB 5
// CHECK:HALF: DW 1
// CHECK:NEGATIVEHALF: DW -2
// CHECK:PRODUCT: DFB 3
// CHECK:FLOATING: DW 0
// CHECK:INTEGRAL: DW 0
