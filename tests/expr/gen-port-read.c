// inp and inpw read through the port address after every pending load has been written.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
int i;
char f()
{
    return inp(53248);
}
// CHECK-LABEL:ZF EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA #>$D000
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA #<$D000
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDY #0
// CHECK-NEXT: LDA (BX),Y
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
int g()
{
    return inpw(i);
}
// CHECK-LABEL:ZG EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA I
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA I+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDY #0
// CHECK-NEXT: LDA (BX),Y
// CHECK-NEXT: STA CL
// CHECK-NEXT: INY
// CHECK-NEXT: LDA (BX),Y
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA CL
// CHECK-NEXT: STA BX
// CHECK-NEXT: TXS
int h()
{
    return i + inp(1023);
}
// CHECK-LABEL:ZH EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA I
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA I+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDA #>1023
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA #<1023
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDY #0
// CHECK-NEXT: LDA (CX),Y
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA #0
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC CL
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BH
// CHECK-NEXT: ADC CH
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
