// while defines LL at the test, leaves through LL+1 and jumps back with the loop comment; a block body uses the long exit form. Labels continue after the earlier statements (L = 7).
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
char k;
int main()
{
    if (k) asm NOP
    if (k) asm NOP
    if (k) asm NOP
    while (k) asm DEX
    while (k) { asm INX
    }
}
// CHECK:LL5 EQU *
// CHECK-NEXT:* while ( 
// CHECK-NEXT:LL7 EQU *
// CHECK-NEXT: LDA K
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CMP #0
// CHECK-NEXT: BEQ LL8
// CHECK-NEXT: DEX
// CHECK-NEXT: JMP LL7	* loop
// CHECK-NEXT:LL8 EQU *
// CHECK-NEXT:* while ( 
// CHECK-NEXT:LL9 EQU *
// CHECK-NEXT: LDA K
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CMP #0
// CHECK-NEXT: BNE NLL10
// CHECK-NEXT: JMP LL10
// CHECK-NEXT:NLL10 EQU *
// CHECK-NEXT: INX
// CHECK-NEXT: JMP LL9	* loop
// CHECK-NEXT:LL10 EQU *
// CHECK-NEXT: TXS
