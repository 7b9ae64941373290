// After an expression, pending loads of its result slot are written low byte first; bindings left above the result slot are dropped.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
int i;
char c;
int f()
{
    return i;
}
// CHECK-LABEL:ZF EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA I
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA I+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
bool g()
{
    return char(i) == c;
}
// CHECK-LABEL:ZG EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA I
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC C
// CHECK-NEXT: BEQ LL1
// CHECK-NEXT:LL2 EQU *
// CHECK-NEXT: LDA #$0FF
// CHECK-NEXT:LL1 EQU *
// CHECK-NEXT: EOR #$0FF
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA I+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
bool h()
{
    return c == char(i);
}
// CHECK-LABEL:ZH EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA C
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC I
// CHECK-NEXT: BEQ LL3
// CHECK-NEXT:LL4 EQU *
// CHECK-NEXT: LDA #$0FF
// CHECK-NEXT:LL3 EQU *
// CHECK-NEXT: EOR #$0FF
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
