// A call inside an argument finds nothing live: g(x) is called from BX and its result pushed as the argument of f; a later argument of two is generated after the earlier one was pushed.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
int xval;
int yval;
int f(int v)
{
    return v;
}
int g(int v)
{
    return v;
}
int two(int a, int b)
{
    return a;
}
int nested()
{
    return f(g(xval));
}
// CHECK:ZNESTED EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT:* return 
// CHECK-NEXT: LDA XVAL
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA XVAL+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDA BH
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA BL
// CHECK-NEXT: PHA
// CHECK-NEXT: JSR ZG
// CHECK-NEXT: STX BP
// CHECK-NEXT: TSX
// CHECK-NEXT: TXA
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC #$02
// CHECK-NEXT: TAX
// CHECK-NEXT: TXS
// CHECK-NEXT: LDX BP
// CHECK-NEXT: LDA BH
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA BL
// CHECK-NEXT: PHA
// CHECK-NEXT: JSR ZF
// CHECK-NEXT: STX BP
// CHECK-NEXT: TSX
// CHECK-NEXT: TXA
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC #$02
// CHECK-NEXT: TAX
// CHECK-NEXT: TXS
// CHECK-NEXT: LDX BP
// CHECK-NEXT: TXS

int inner()
{
    return two(xval, g(yval));
}
// CHECK:ZINNER EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT:* return 
// CHECK-NEXT: LDA XVAL
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA XVAL+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDA BH
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA BL
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA YVAL
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA YVAL+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDA BH
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA BL
// CHECK-NEXT: PHA
// CHECK-NEXT: JSR ZG
// CHECK-NEXT: STX BP
// CHECK-NEXT: TSX
// CHECK-NEXT: TXA
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC #$02
// CHECK-NEXT: TAX
// CHECK-NEXT: TXS
// CHECK-NEXT: LDX BP
// CHECK-NEXT: LDA BH
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA BL
// CHECK-NEXT: PHA
// CHECK-NEXT: JSR ZTWO
// CHECK-NEXT: STX BP
// CHECK-NEXT: TSX
// CHECK-NEXT: TXA
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC #$04
// CHECK-NEXT: TAX
// CHECK-NEXT: TXS
// CHECK-NEXT: LDX BP
// CHECK-NEXT: TXS
