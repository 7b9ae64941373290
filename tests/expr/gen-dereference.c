// *p reads one byte through a char pointer; through an int pointer the low byte waits in the first free byte while the high byte replaces the pointer.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
char *p;
int *q;
int i;
char f()
{
    return *p;
}
// CHECK-LABEL:ZF EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA P
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA P+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDY #0
// CHECK-NEXT: LDA (BX),Y
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
int g()
{
    return *q;
}
// CHECK-LABEL:ZG EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA Q
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA Q+1
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
int h()
{
    return i + *q;
}
// CHECK-LABEL:ZH EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA Q
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA Q+1
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDY #0
// CHECK-NEXT: LDA (CX),Y
// CHECK-NEXT: STA DL
// CHECK-NEXT: INY
// CHECK-NEXT: LDA (CX),Y
// CHECK-NEXT: STA CX+1
// CHECK-NEXT: LDA DL
// CHECK-NEXT: STA CX
// CHECK-NEXT: LDA I
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC CL
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA I+1
// CHECK-NEXT: ADC CH
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
