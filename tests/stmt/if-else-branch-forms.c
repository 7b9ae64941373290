// if takes labels L and L+1 from 1 upward: a single-statement body is skipped with BEQ, a block body with the long form; else adds a jump over the else-part.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
char c;
int main()
{
    if (c) asm INX
    if (c) { asm INY
    }
    if (c) { asm INX
    } else { asm DEX
    }
    if (c) asm INY
    else asm DEY
}
// CHECK:ZMAIN EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT:* if ( 
// CHECK-NEXT: LDA C
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CMP #0
// CHECK-NEXT: BEQ LL1
// CHECK-NEXT: INX
// CHECK-NEXT:LL1 EQU *
// CHECK-NEXT:* if ( 
// CHECK-NEXT: LDA C
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CMP #0
// CHECK-NEXT: BNE NLL3
// CHECK-NEXT: JMP LL3
// CHECK-NEXT:NLL3 EQU *
// CHECK-NEXT: INY
// CHECK-NEXT:LL3 EQU *
// CHECK-NEXT:* if ( 
// CHECK-NEXT: LDA C
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CMP #0
// CHECK-NEXT: BNE NLL5
// CHECK-NEXT: JMP LL5
// CHECK-NEXT:NLL5 EQU *
// CHECK-NEXT: INX
// CHECK-NEXT: JMP LL6
// CHECK-NEXT:LL5 EQU *
// CHECK-NEXT: DEX
// CHECK-NEXT:LL6 EQU *
// CHECK-NEXT:* if ( 
// CHECK-NEXT: LDA C
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CMP #0
// CHECK-NEXT: BEQ LL7
// CHECK-NEXT: INY
// CHECK-NEXT: JMP LL8
// CHECK-NEXT:LL7 EQU *
// CHECK-NEXT: DEY
// CHECK-NEXT:LL8 EQU *
// CHECK-NEXT: TXS
// CHECK-NEXT: PLA
// CHECK-NEXT: TAX
// CHECK-NEXT: RTS
