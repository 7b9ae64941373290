// An address plus a value is two bytes wide: a char constant or char value beside it adds a zero high byte, and the parser's char-to-int conversions over the address write nothing.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
char *p;
int i;
char c;
char f()
{
    return *(p + 1);
}
// CHECK-LABEL:ZF EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA P
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC #>1
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA P+1
// CHECK-NEXT: ADC #0
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDY #0
// CHECK-NEXT: LDA (BX),Y
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
char g()
{
    return *(p + i);
}
// CHECK-LABEL:ZG EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA P
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC I
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA P+1
// CHECK-NEXT: ADC I+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDY #0
// CHECK-NEXT: LDA (BX),Y
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
char h()
{
    return *(p - c);
}
// CHECK-LABEL:ZH EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA P
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC C
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA P+1
// CHECK-NEXT: SBC #0
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDY #0
// CHECK-NEXT: LDA (BX),Y
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
