// Static and const locals are placed like file-level data, where they stand and
// outside the frame; an initialised automatic local keeps only its equate and
// draws a warning on standard output.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm > %t/stdout
// RUN: %check %s < %t/out.asm
// RUN: %check --check-prefix=OUT %s < %t/stdout
// RUN: %quarn -V %s %t/ram.asm > %t/ram-stdout
// RUN: %check --check-prefix=RAM %s < %t/ram.asm
// RUN: %check --check-prefix=RAMOUT %s < %t/ram-stdout
int g()
{
    auto char c;
    static int s;
    const int k = 3;
    int i = 4;
    static char t = 9;
}
// CHECK:CZG EQU $0000
// CHECK-NEXT:SZG DS 2
// CHECK-EMPTY:
// CHECK-NEXT:;;DSEG
// CHECK-NEXT:KZG: DW 3
// CHECK-EMPTY:
// CHECK-NEXT:;;DSEG
// CHECK-NEXT:IZG EQU $FFFE
// CHECK-EMPTY:
// CHECK-NEXT:;;DSEG
// CHECK-NEXT:TZG: DFB 9
// CHECK-NEXT:* 
// CHECK-NEXT:ZG EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT: STX BP
// CHECK-NEXT: TSX
// CHECK-NEXT: TXA
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC #$04
// OUT:warning: initialization of local variable must be done in code
// OUT-NOT:warning

// With -V the static locals take RAM addresses after the register block (the
// initialised one with the RAM warning); the const one stays in place.
// RAM:CZG EQU $0000
// RAM-NEXT:SZG EQU $0200
// RAM-EMPTY:
// RAM-NEXT:;;DSEG
// RAM-NEXT:KZG: DW 3
// RAM-EMPTY:
// RAM-NEXT:;;DSEG
// RAM-NEXT:IZG EQU $FFFE
// RAM-EMPTY:
// RAM-NEXT:;;DSEG
// RAM-NEXT:TZG EQU $0202
// RAM-NEXT:* 
// RAM-NEXT:ZG EQU *
// RAMOUT:warning: initialization of local variable must be done in code
// RAMOUT-NEXT:warning: initialization of global variable in embedded RAM must be done in code
// RAMOUT-NOT:warning
