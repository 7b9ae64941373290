// An element of a frame array is read through X plus the array's offset, with the carry of the low byte added to the stack page; a constant index under -O adds to the offset.
// RUN: rm -rf %t && mkdir -p %t && %quarn -O %s %t/out.asm
// RUN: %check %s < %t/out.asm
char f(int i)
{
    char buf[4];
    return buf[i];
}
// CHECK-LABEL:ZF EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: TXA
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC #>BUFZF
// CHECK-NEXT: STA BX
// CHECK-NEXT: LDA #<$0100
// CHECK-NEXT: ADC #<BUFZF
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA $0100+IZF,X
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC CL
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA $0101+IZF,X
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDA BH
// CHECK-NEXT: ADC CH
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDY #0
// CHECK-NEXT: LDA (BX),Y
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
int g()
{
    int w[3];
    return w[1];
}
// CHECK-LABEL:ZG EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: TXA
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC #>WZG+2
// CHECK-NEXT: STA BX
// CHECK-NEXT: LDA #<$0100
// CHECK-NEXT: ADC #<WZG+2
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDY #0
// CHECK-NEXT: LDA (BX),Y
// CHECK-NEXT: STA CL
// CHECK-NEXT: INY
// CHECK-NEXT: LDA (BX),Y
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA CL
// CHECK-NEXT: STA BX
// CHECK-NEXT: TXS
