// Addition reads bound leaves in place and writes the sum into the left slot, one and two bytes.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
char total;
int count;
int other;
int f()
{
    return total + 5;
}
// CHECK-LABEL:ZF EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA TOTAL
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC #>5
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
int g()
{
    return count + other;
}
// CHECK-LABEL:ZG EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA COUNT
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC OTHER
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA COUNT+1
// CHECK-NEXT: ADC OTHER+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
