// Automatic locals take offsets 1 - (bytes so far), the first one highest, and
// the frame is their size rounded up to an even count.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
int f()
{
    char c;
    int a[2];
    int b;
}
// CHECK:CZF EQU $0000
// CHECK-NEXT:AZF EQU $FFFC
// CHECK-NEXT:BZF EQU $FFFA
// CHECK-NEXT:* 
// CHECK-NEXT:ZF EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT: STX BP
// CHECK-NEXT: TSX
// CHECK-NEXT: TXA
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC #$08
// CHECK-NEXT: TAX
// CHECK-NEXT: TXS
// CHECK-NEXT: LDX BP
// CHECK-NEXT: TXS
// CHECK-NEXT: PLA
// CHECK-NEXT: TAX
// CHECK-NEXT: RTS

// Three bytes round up to four; auto changes nothing.
int g()
{
    auto char x;
    int y;
}
// CHECK-NEXT:XZG EQU $0000
// CHECK-NEXT:YZG EQU $FFFE
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
// CHECK-NEXT: TAX
// CHECK-NEXT: TXS
// CHECK-NEXT: LDX BP
// CHECK-NEXT: TXS
// CHECK-NEXT: PLA
// CHECK-NEXT: TAX
// CHECK-NEXT: RTS

// Several names in one declaration, and every base type's size.
void h()
{
    bool p, q;
    unsigned char r;
    char *s;
    volatile int *t;
}
// CHECK-NEXT:PZH EQU $0000
// CHECK-NEXT:QZH EQU $FFFF
// CHECK-NEXT:RZH EQU $FFFE
// CHECK-NEXT:SZH EQU $FFFC
// CHECK-NEXT:TZH EQU $FFFA
// CHECK-NEXT:* 
// CHECK-NEXT:ZH EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT: STX BP
// CHECK-NEXT: TSX
// CHECK-NEXT: TXA
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC #$08
