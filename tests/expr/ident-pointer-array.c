// An array of pointers has two-byte elements, and an element read from it is a pointer that can be read through.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
// RUN: %quarn -O %s %t/opt.asm
// RUN: %check --check-prefix=OPT %s < %t/opt.asm
char *ptrs[4];
int i;
char f()
{
    return *ptrs[i];
}
// CHECK-LABEL:ZF EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDY #>PTRS
// CHECK-NEXT: LDA #<PTRS
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA I
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA I+1
// CHECK-NEXT: STA CH
// CHECK-NEXT: ASL CX
// CHECK-NEXT: ROL CX+1
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC CL
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BH
// CHECK-NEXT: ADC CH
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDY #0
// CHECK-NEXT: LDA (BX),Y
// CHECK-NEXT: STA CL
// CHECK-NEXT: INY
// CHECK-NEXT: LDA (BX),Y
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA CL
// CHECK-NEXT: STA BX
// CHECK-NEXT: LDY #0
// CHECK-NEXT: LDA (BX),Y
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
char g()
{
    return *ptrs[3];
}
// OPT-LABEL:ZG EQU *
// OPT:* return {{$}}
// OPT-NEXT: LDY #>PTRS+6
// OPT-NEXT: LDA #<PTRS+6
