// &, | and ^ combine byte by byte; ~ and ! both complement every byte of their operand.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
int x;
int y;
char c;
char d;
int f()
{
    return x & y;
}
// CHECK-LABEL:ZF EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA X
// CHECK-NEXT: AND Y
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA X+1
// CHECK-NEXT: AND Y+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
int g()
{
    return x | 1024;
}
// CHECK-LABEL:ZG EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA X
// CHECK-NEXT: ORA #>$0400
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA X+1
// CHECK-NEXT: ORA #<$0400
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
char h()
{
    return c ^ d;
}
// CHECK-LABEL:ZH EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA C
// CHECK-NEXT: EOR D
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
int k()
{
    return ~x;
}
// CHECK-LABEL:ZK EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA X
// CHECK-NEXT: EOR #$0FF
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA X+1
// CHECK-NEXT: EOR #$0FF
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
int m()
{
    return !x;
}
// CHECK-LABEL:ZM EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA X
// CHECK-NEXT: EOR #$0FF
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA X+1
// CHECK-NEXT: EOR #$0FF
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
char n()
{
    return !c;
}
// CHECK-LABEL:ZN EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA C
// CHECK-NEXT: EOR #$0FF
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
bool p()
{
    return !(c == d);
}
// CHECK-LABEL:ZP EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA C
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC D
// CHECK-NEXT: BEQ LL1
// CHECK-NEXT:LL2 EQU *
// CHECK-NEXT: LDA #$0FF
// CHECK-NEXT:LL1 EQU *
// CHECK-NEXT: EOR #$0FF
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BL
// CHECK-NEXT: EOR #$0FF
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
