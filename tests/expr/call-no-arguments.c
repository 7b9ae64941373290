// A call with an empty argument list is the JSR alone, with no clean-up; with a live temporary the result is still moved from BX above it.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
int counter;
void tick()
{
}
int value()
{
    return 7;
}
int main()
{
    tick();
    return value();
}
// CHECK:ZMAIN EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT: JSR ZTICK
// CHECK-NEXT:* return 
// CHECK-NEXT: JSR ZVALUE
// CHECK-NEXT: TXS

int later()
{
    return counter + value();
}
// CHECK:* return 
// CHECK-NEXT: LDA COUNTER
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA COUNTER+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDA BX+1
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA BX
// CHECK-NEXT: PHA
// CHECK-NEXT: JSR ZVALUE
// CHECK-NEXT: LDA BX
// CHECK-NEXT: STA CX
// CHECK-NEXT: LDA BX+1
// CHECK-NEXT: STA CX+1
// CHECK-NEXT: PLA
// CHECK-NEXT: STA BX
// CHECK-NEXT: PLA
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC CL
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BH
// CHECK-NEXT: ADC CH
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
