// A call inside an expression leaves its result in the word where the call stands, and the expression goes on from there.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
int g()
{
    return 7;
}
int f()
{
    return g() + 1;
}
// CHECK-LABEL:ZF EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: JSR ZG
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC #>1
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BH
// CHECK-NEXT: ADC #<1
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
