// An array name without an index is its address: a global one by its label, a frame one as X plus its offset in the stack page.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
int table[4];
int *p;
char *s;
void f()
{
    p = table;
}
// CHECK-LABEL:ZF EQU *
// CHECK: STA BX+1
// CHECK-NEXT: LDY #>TABLE
// CHECK-NEXT: LDA #<TABLE
// CHECK-NEXT: STY CX
// CHECK-NEXT: STA CX+1
// CHECK-NEXT: LDA CL
void g()
{
    char buf[4];
    s = buf;
}
// CHECK-LABEL:ZG EQU *
// CHECK: STA BX+1
// CHECK-NEXT: TXA
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC #>BUFZG
// CHECK-NEXT: STA CX
// CHECK-NEXT: LDA #<$0100
// CHECK-NEXT: ADC #<BUFZG+1
// CHECK-NEXT: STA CX+1
// CHECK-NEXT: LDA CL
