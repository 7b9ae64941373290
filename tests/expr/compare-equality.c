// == and != subtract byte by byte and write both labels L and L+1; each comparison takes two numbers from the counter.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
int x;
int y;
char c;
char d;
bool f()
{
    return (x == y) & (x != y);
}
// CHECK-LABEL:ZF EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA X
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC Y
// CHECK-NEXT: BNE LL2
// CHECK-NEXT: LDA X+1
// CHECK-NEXT: SBC Y+1
// CHECK-NEXT: BEQ LL1
// CHECK-NEXT:LL2 EQU *
// CHECK-NEXT: LDA #$0FF
// CHECK-NEXT:LL1 EQU *
// CHECK-NEXT: EOR #$0FF
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA X
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC Y
// CHECK-NEXT: BNE LL4
// CHECK-NEXT: LDA X+1
// CHECK-NEXT: SBC Y+1
// CHECK-NEXT: BEQ LL3
// CHECK-NEXT:LL4 EQU *
// CHECK-NEXT: LDA #$0FF
// CHECK-NEXT:LL3 EQU *
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA BL
// CHECK-NEXT: AND CL
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
bool g()
{
    return c != d;
}
// CHECK-LABEL:ZG EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA C
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC D
// CHECK-NEXT: BEQ LL5
// CHECK-NEXT:LL6 EQU *
// CHECK-NEXT: LDA #$0FF
// CHECK-NEXT:LL5 EQU *
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
