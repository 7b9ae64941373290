// Widening conversions zero-extend: char to int clears the high byte (twice when the parser stacks two), bool is masked to bit 0 first.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
char c;
int i;
bool b;
int f()
{
    return c + i;
}
// CHECK-LABEL:ZF EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA #0
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDA #0
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDA C
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC I
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BH
// CHECK-NEXT: ADC I+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
int g()
{
    return i + b;
}
// CHECK-LABEL:ZG EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA B
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA CX
// CHECK-NEXT: AND #1
// CHECK-NEXT: STA CX
// CHECK-NEXT: LDA #0
// CHECK-NEXT: STA CX+1
// CHECK-NEXT: LDA I
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC CL
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA I+1
// CHECK-NEXT: ADC CH
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
char h()
{
    return c + b;
}
// CHECK-LABEL:ZH EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA B
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA CL
// CHECK-NEXT: AND #1
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA C
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC CL
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
