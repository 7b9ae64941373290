// Unary -, ~ and ! on an address work over the bytes of the type it points to: one byte for a char pointer or array, two for an int pointer.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
// RUN: sed -n 's/^\/\/ VOID: //p' %s > %t/void.c
// RUN: %status 2 %quarn %t/void.c %t/void.asm 2> %t/void.err
// RUN: %check --check-prefix=VOIDERR %s < %t/void.err
char *p;
int *q;
char a[4];
char f()
{
    return !p;
}
// CHECK-LABEL:ZF EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA P
// CHECK-NEXT: EOR #$0FF
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA P+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
char g()
{
    return -a;
}
// CHECK-LABEL:ZG EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDY #>A
// CHECK-NEXT: LDA #<A
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA #0
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC BL
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
int h()
{
    return ~q;
}
// CHECK-LABEL:ZH EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA Q
// CHECK-NEXT: EOR #$0FF
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA Q+1
// CHECK-NEXT: EOR #$0FF
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
//
// A void pointer points to no width at all.
// VOID: void *v;
// VOID: int f() { return ~v; }
// VOIDERR:line 2: error: undefined type
