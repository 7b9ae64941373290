// An element read with a run-time index: the array's address, plus the index scaled to the element size, then a load through the sum. A char index is zero-extended.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
char bytes[8];
int words[8];
int i;
char c;
char f()
{
    return bytes[i];
}
// CHECK-LABEL:ZF EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDY #>BYTES
// CHECK-NEXT: LDA #<BYTES
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA I
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC CL
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA I+1
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
    return words[i];
}
// CHECK-LABEL:ZG EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDY #>WORDS
// CHECK-NEXT: LDA #<WORDS
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA I
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA I+1
// CHECK-NEXT: STA CH
// CHECK-NEXT: ASL CX
// CHECK-NEXT: ROL CX+1
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC CL
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BH
// CHECK-NEXT: ADC CH
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
char h()
{
    return bytes[c];
}
// CHECK-LABEL:ZH EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDY #>BYTES
// CHECK-NEXT: LDA #<BYTES
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA C
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC CL
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA #0
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDA BH
// CHECK-NEXT: ADC CH
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDY #0
// CHECK-NEXT: LDA (BX),Y
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
