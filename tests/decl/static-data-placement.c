// File-level variables: initialised ones follow the "* DSEG" marker as DFB/DW
// data, others reserve DS bytes in place; with -V each takes the next RAM
// address instead (initial values dropped with a warning), except const data,
// which stays in place. extern and static change nothing.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm > %t/stdout
// RUN: %check %s < %t/out.asm
// RUN: %check --check-prefix=OUT %s < %t/stdout
// RUN: %quarn -R %s %t/rom.asm
// RUN: diff %t/out.asm %t/rom.asm
// RUN: %quarn -V:0300 -R %s %t/ram-then-rom.asm
// RUN: %check %s < %t/ram-then-rom.asm
// RUN: %quarn -V:0300 %s %t/ram.asm > %t/ram-stdout
// RUN: %check --check-prefix=RAM %s < %t/ram.asm
// RUN: %check --check-prefix=RAMOUT %s < %t/ram-stdout
// RUN: %quarn -V:0080 %s %t/zp.asm
// RUN: %check --check-prefix=ZP %s < %t/zp.asm
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
// CHECK-NEXT: DB 81
// OUT-NOT:warning

// RAM after the block at $0300 starts at $0320 and advances by each object's size.
// RAM: JMP ZMAIN
// RAM-EMPTY:
// RAM-NEXT:* DSEG
// RAM-NEXT:COUNT EQU $0320
// RAM-EMPTY:
// RAM-NEXT:* DSEG
// RAM-NEXT:C EQU $0322
// RAM-EMPTY:
// RAM-NEXT:* DSEG
// RAM-NEXT:T EQU $0323
// RAM-NEXT:BUF EQU $0324
// RAM-NEXT:A EQU $032E
// RAM-NEXT:B EQU $0330
// RAM-NEXT:D EQU $0332
// RAM-NEXT:E EQU $0334
// RAM-NEXT:P EQU $0336
// RAM-EMPTY:
// RAM-NEXT:* DSEG
// RAM-NEXT:K: DW 5
// RAM-NEXT:S EQU $0338
// RAM-NEXT: DB 81
// RAMOUT:warning: initialization of global variable in embedded RAM must be done in code
// RAMOUT-NEXT:warning: initialization of global variable in embedded RAM must be done in code
// RAMOUT-NEXT:warning: initialization of global variable in embedded RAM must be done in code
// RAMOUT-NOT:warning

// A block in zero page is followed by variables in zero page.
// ZP:COUNT EQU $00A0
// ZP:C EQU $00A2
