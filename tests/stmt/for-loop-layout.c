// for places the increment before the body: init, LL test with the long exit to LL+1, JMP LLS, LL3E increment, JMP back to LL, LLS body, JMP LL3E, LL+1 (L = 11).
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
char i;
char k;
int main()
{
    if (k) asm NOP
    if (k) asm NOP
    if (k) asm NOP
    if (k) asm NOP
    if (k) asm NOP
    for (i = k; k; k = i) asm INX
}
// CHECK:LL9 EQU *
// CHECK-NEXT:* for ( 
// CHECK-NEXT: LDY #>I
// CHECK-NEXT: LDA #<I
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA K
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA CL
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT:LL11 EQU *
// CHECK-NEXT: LDA K
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CMP #0
// CHECK-NEXT: BNE NLL12
// CHECK-NEXT: JMP LL12
// CHECK-NEXT:NLL12 EQU *
// CHECK-NEXT: JMP LLS11
// CHECK-NEXT:LL3E11:
// CHECK-NEXT: LDY #>K
// CHECK-NEXT: LDA #<K
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA I
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA CL
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: JMP LL11	* loop
// CHECK-NEXT:LLS11:
// CHECK-NEXT: INX
// CHECK-NEXT: JMP LL3E11
// CHECK-NEXT:LL12 EQU *
// CHECK-NEXT: TXS
