// Without -O every shift is a loop that decrements the count byte to zero, one label number each, the count loaded into its register first (a constant one too).
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
char alpha;
char beta;
int gamma;
int delta;

char bytesLeft()
{
    return alpha << beta;
}
// CHECK:* return 
// CHECK-NEXT: LDA ALPHA
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BETA
// CHECK-NEXT: STA CL
// CHECK-NEXT:LL1 EQU *
// CHECK-NEXT: ASL BL
// CHECK-NEXT: DEC CL
// CHECK-NEXT: BNE LL1
// CHECK-NEXT: TXS

char bytesRight()
{
    return alpha >> beta;
}
// CHECK:* return 
// CHECK-NEXT: LDA ALPHA
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BETA
// CHECK-NEXT: STA CL
// CHECK-NEXT:LL2 EQU *
// CHECK-NEXT: LSR BL
// CHECK-NEXT: DEC CL
// CHECK-NEXT: BNE LL2
// CHECK-NEXT: TXS

int wordsLeft()
{
    return gamma << 3;
}
// CHECK:* return 
// CHECK-NEXT: LDA GAMMA
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA GAMMA+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDA #>3
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA #<3
// CHECK-NEXT: STA CH
// CHECK-NEXT:LL3 EQU *
// CHECK-NEXT: ASL BX
// CHECK-NEXT: ROL BX+1
// CHECK-NEXT: DEC CL
// CHECK-NEXT: BNE LL3
// CHECK-NEXT: TXS

int wordsRight()
{
    return gamma >> delta;
}
// CHECK:* return 
// CHECK-NEXT: LDA GAMMA
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA GAMMA+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDA DELTA
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA DELTA+1
// CHECK-NEXT: STA CH
// CHECK-NEXT:LL4 EQU *
// CHECK-NEXT: LSR BX+1
// CHECK-NEXT: ROR BX
// CHECK-NEXT: DEC CL
// CHECK-NEXT: BNE LL4
// CHECK-NEXT: TXS
