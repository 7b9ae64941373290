// Parameters and locals are read in place through X in the stack page, one operand per byte.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
int f(int p)
{
    char c;
    int i;
    return p + i;
}
// CHECK-LABEL:ZF EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA $0100+PZF,X
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC $0100+IZF,X
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA $0101+PZF,X
// CHECK-NEXT: ADC $0101+IZF,X
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
char g(char d)
{
    char c;
    return c + d;
}
// CHECK-LABEL:ZG EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA $0100+CZG,X
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC $0100+DZG,X
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
char h()
{
    char *q;
    return *q;
}
// CHECK-LABEL:ZH EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA $0100+QZH,X
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA $0101+QZH,X
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDY #0
// CHECK-NEXT: LDA (BX),Y
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
