// *p = v stores through the pointer with the pointed-to type; *a = v stores into an array's first element; *x = v with a plain variable stores into x; p[i] = v indexes from the pointer's value; an array of pointers has two-byte elements.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm > %t/notes
// RUN: %check %s < %t/out.asm
// RUN: not grep note %t/notes
char *p;
int *ip;
int arr[3];
char *tab[3];
int x;
char v;
int i;
int main()
{
    *p = v;
    *arr = x;
    *x = i;
    ip[i] = x;
    tab[i] = p;
}
// CHECK:ZMAIN EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT: LDA P
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA P+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDA V
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA CL
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDY #>ARR
// CHECK-NEXT: LDA #<ARR
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA X
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA X+1
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDA CL
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDA CH
// CHECK-NEXT: INY
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDY #>X
// CHECK-NEXT: LDA #<X
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA I
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA I+1
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDA CL
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDA CH
// CHECK-NEXT: INY
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDA IP
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA IP+1
// CHECK-NEXT: STA BH
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
// CHECK-NEXT: LDA X
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA X+1
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDA CL
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDA CH
// CHECK-NEXT: INY
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDY #>TAB
// CHECK-NEXT: LDA #<TAB
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
// CHECK-NEXT: LDA P
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA P+1
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDA CL
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDA CH
// CHECK-NEXT: INY
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: TXS

// A function that returns a pointer is no pointer variable: with the '*' the
// value still goes to the function's own name, as without it.
int *pointerOf()
{
    return ip;
}
void throughFunction()
{
    *pointerOf = i;
}
// CHECK:ZTHROUGHFUNCTION EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT: LDY #>POINTEROF
// CHECK-NEXT: LDA #<POINTEROF
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA I
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA I+1
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDA CL
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDA CH
// CHECK-NEXT: INY
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: TXS
