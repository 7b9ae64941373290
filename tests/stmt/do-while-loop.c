// do writes LL before its body; a block body ends in BEQ NLL and a JMP back, a single statement in BNE back; L+1 is taken but never written (L = 9, then 11).
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
char k;
int main()
{
    if (k) asm NOP
    if (k) asm NOP
    if (k) asm NOP
    if (k) asm NOP
    do { asm DEX
    } while (k);
    do asm INX
    while (k);
    if (k) asm NOP
}
// CHECK:LL7 EQU *
// CHECK-NEXT:* do ( 
// CHECK-NEXT:LL9 EQU *
// CHECK-NEXT: DEX
// CHECK-NEXT: LDA K
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CMP #0
// CHECK-NEXT: BEQ NLL9
// CHECK-NEXT: JMP LL9	* loop
// CHECK-NEXT:NLL9 EQU *
// CHECK-NEXT:* do ( 
// CHECK-NEXT:LL11 EQU *
// CHECK-NEXT: INX
// CHECK-NEXT: LDA K
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CMP #0
// CHECK-NEXT: BNE LL11	* loop
// CHECK-NEXT:* if ( 
// CHECK-NEXT: LDA K
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CMP #0
// CHECK-NEXT: BEQ LL13
