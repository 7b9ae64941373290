// With -O every expression of a statement is typed and folded before its code is written: conditions, returned values and assigned values.
// RUN: rm -rf %t && mkdir -p %t && %quarn -O %s %t/out.asm
// RUN: %check %s < %t/out.asm
int g;
int main()
{
    if (2 + 3) g = 4 * 5;
    return 1 + 1;
}
// CHECK:* if ( 
// CHECK-NEXT: LDA #>5
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA #<5
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CMP #0
// CHECK-NEXT: BEQ LL1
// CHECK-NEXT: LDY #>G
// CHECK-NEXT: LDA #<G
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA #>20
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA #<20
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDA CL
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDA CH
// CHECK-NEXT: INY
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT:LL1 EQU *
// CHECK-NEXT:* return 
// CHECK-NEXT: LDA #>2
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA #<2
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
