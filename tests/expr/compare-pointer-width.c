// Addresses are compared in two bytes whatever they point to; a char constant beside an address has a zero high byte.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
unsigned char *p;
unsigned char *q;
bool f()
{
    return p < q;
}
// CHECK-LABEL:ZF EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA P
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC Q
// CHECK-NEXT: LDA P+1
// CHECK-NEXT: SBC Q+1
// CHECK-NEXT: STA BL
// CHECK-NEXT: SBC BL	* if carry set, set true
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
bool g()
{
    return p == 0;
}
// CHECK-LABEL:ZG EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA P
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC #>0
// CHECK-NEXT: BNE LL4
// CHECK-NEXT: LDA P+1
// CHECK-NEXT: SBC #0
// CHECK-NEXT: BEQ LL3
// CHECK-NEXT:LL4 EQU *
// CHECK-NEXT: LDA #$0FF
// CHECK-NEXT:LL3 EQU *
// CHECK-NEXT: EOR #$0FF
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
