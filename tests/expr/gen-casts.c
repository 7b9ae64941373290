// char(e) and int(e): a char cast of an int only retypes, an int cast of a char clears the high byte, a bool is masked to bit 0.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
char c;
int i;
bool b;
char f()
{
    return char(i);
}
// CHECK-LABEL:ZF EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA I
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA I+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
int g()
{
    return int(c);
}
// CHECK-LABEL:ZG EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA #0
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDA C
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
int h()
{
    return int(b);
}
// CHECK-LABEL:ZH EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA B
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BX
// CHECK-NEXT: AND #1
// CHECK-NEXT: STA BX
// CHECK-NEXT: LDA #0
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: TXS
char k()
{
    return char(b);
}
// CHECK-LABEL:ZK EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA B
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BL
// CHECK-NEXT: AND #1
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
int m()
{
    return int(i) + char(c);
}
// CHECK-LABEL:ZM EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA #0
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDA I
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC C
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA I+1
// CHECK-NEXT: ADC CH
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
