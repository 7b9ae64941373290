// Under -O a constant count is not generated: char shifts are unrolled, int shifts up to 4 steps, beyond that a counter byte is set and looped; every form takes one label number, used or not.
// RUN: rm -rf %t && mkdir -p %t && %quarn -O %s %t/out.asm
// RUN: %check %s < %t/out.asm
char alpha;
int gamma;

int unrolled()
{
    return gamma << 3;
}
// CHECK:* return 
// CHECK-NEXT: LDA GAMMA
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA GAMMA+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: ASL BX
// CHECK-NEXT: ROL BX+1
// CHECK-NEXT: ASL BX
// CHECK-NEXT: ROL BX+1
// CHECK-NEXT: ASL BX
// CHECK-NEXT: ROL BX+1
// CHECK-NEXT: TXS

// Label 1 went to the unrolled shift, so the counter loop is LL2; the count
// is set in the first free byte before the shifted value is loaded.
int counted()
{
    return gamma << 5;
}
// CHECK:* return 
// CHECK-NEXT: LDA #>5
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA GAMMA
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA GAMMA+1
// CHECK-NEXT: STA BH
// CHECK-NEXT:LL2 EQU *
// CHECK-NEXT: ASL BX
// CHECK-NEXT: ROL BX+1
// CHECK-NEXT: DEC CL
// CHECK-NEXT: BNE LL2
// CHECK-NEXT: TXS

// A zero count writes nothing (the value is loaded by the return's flush) and
// still takes label 3.
int nothing()
{
    return gamma << 0;
}
// CHECK:* return 
// CHECK-NEXT: LDA GAMMA
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA GAMMA+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS

// Char shifts are unrolled whatever the count (label 4).
char bytes()
{
    return alpha >> 6;
}
// CHECK:* return 
// CHECK-NEXT: LDA ALPHA
// CHECK-NEXT: STA BL
// CHECK-NEXT: LSR BL
// CHECK-NEXT: LSR BL
// CHECK-NEXT: LSR BL
// CHECK-NEXT: LSR BL
// CHECK-NEXT: LSR BL
// CHECK-NEXT: LSR BL
// CHECK-NEXT: TXS

// Four steps are the int limit (label 5); the count is taken modulo 16, so
// 17 is one step (label 6).
int right()
{
    return gamma >> 4;
}
// CHECK:* return 
// CHECK-NEXT: LDA GAMMA
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA GAMMA+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: LSR BX+1
// CHECK-NEXT: ROR BX
// CHECK-NEXT: LSR BX+1
// CHECK-NEXT: ROR BX
// CHECK-NEXT: LSR BX+1
// CHECK-NEXT: ROR BX
// CHECK-NEXT: LSR BX+1
// CHECK-NEXT: ROR BX
// CHECK-NEXT: TXS

int wrapped()
{
    return gamma >> 17;
}
// CHECK:* return 
// CHECK-NEXT: LDA GAMMA
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA GAMMA+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: LSR BX+1
// CHECK-NEXT: ROR BX
// CHECK-NEXT: TXS

int after()
{
    return gamma >> 9;
}
// CHECK:* return 
// CHECK-NEXT: LDA #>9
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA GAMMA
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA GAMMA+1
// CHECK-NEXT: STA BH
// CHECK-NEXT:LL7 EQU *
// CHECK-NEXT: LSR BX+1
// CHECK-NEXT: ROR BX
// CHECK-NEXT: DEC CL
// CHECK-NEXT: BNE LL7
// CHECK-NEXT: TXS
