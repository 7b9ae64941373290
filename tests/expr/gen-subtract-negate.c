// Subtraction borrows through the bytes from the left operand; negation subtracts its operand from zero.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
int x;
int y;
char c;
int f()
{
    return x - y;
}
// CHECK-LABEL:ZF EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA X
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC Y
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA X+1
// CHECK-NEXT: SBC Y+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
int g()
{
    return -x;
}
// CHECK-LABEL:ZG EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA #0
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC X
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA #0
// CHECK-NEXT: SBC X+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
char h()
{
    return -c;
}
// CHECK-LABEL:ZH EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA #0
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC C
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
