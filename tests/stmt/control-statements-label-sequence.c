// The control statements of one function take L = 1, 3, 5, 7, 9, 11 in source order, and a comparison inside the for condition takes 13 and 14 before the next if gets 15; while, do and for are written exactly as their layouts say.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
int i;
int s;
int n;
int main()
{
    if (n) asm NOP
    if (n) asm NOP
    if (n) { asm INX
    } else { asm DEX
    }
    while (n) n = n - 1;
    do { asm INY
    } while (n);
    for (i = 0; i < 10; i = i + 1) s = s + i;
    if (n) asm NOP
}
// CHECK:ZMAIN EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT:* if ( 
// CHECK-NEXT: LDA N
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA N+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CMP #0
// CHECK-NEXT: BEQ LL1
// CHECK-NEXT: NOP
// CHECK-NEXT:LL1 EQU *
// CHECK-NEXT:* if ( 
// CHECK-NEXT: LDA N
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA N+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CMP #0
// CHECK-NEXT: BEQ LL3
// CHECK-NEXT: NOP
// CHECK-NEXT:LL3 EQU *

// if with an else (L = 5): JMP LL6 after the then-part, LL5, the else-part, LL6.
// CHECK-NEXT:* if ( 
// CHECK-NEXT: LDA N
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA N+1
// CHECK-NEXT: STA BH
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

// while (n) n = n - 1; (L = 7): the test branches to LL8, the body is an
// assignment, the back jump carries the loop comment.
// CHECK-NEXT:* while ( 
// CHECK-NEXT:LL7 EQU *
// CHECK-NEXT: LDA N
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA N+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CMP #0
// CHECK-NEXT: BEQ LL8
// CHECK-NEXT: LDY #>N
// CHECK-NEXT: LDA #<N
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA N
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC #>1
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA N+1
// CHECK-NEXT: SBC #<1
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDA CL
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDA CH
// CHECK-NEXT: INY
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: JMP LL7	* loop
// CHECK-NEXT:LL8 EQU *

// do { ... } while (n); (L = 9): LL9 before the body, BEQ NLL9 and a JMP back.
// CHECK-NEXT:* do ( 
// CHECK-NEXT:LL9 EQU *
// CHECK-NEXT: INY
// CHECK-NEXT: LDA N
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA N+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CMP #0
// CHECK-NEXT: BEQ NLL9
// CHECK-NEXT: JMP LL9	* loop
// CHECK-NEXT:NLL9 EQU *

// for (i = 0; i < 10; i = i + 1) s = s + i; (L = 11): the signed comparison
// in the test takes 13 and 14.
// CHECK-NEXT:* for ( 
// CHECK-NEXT: LDY #>I
// CHECK-NEXT: LDA #<I
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA #>0
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA #<0
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDA CL
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDA CH
// CHECK-NEXT: INY
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT:LL11 EQU *
// CHECK-NEXT: LDA I
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC #>10
// CHECK-NEXT: LDA I+1
// CHECK-NEXT: SBC #<10
// CHECK-NEXT: BVS LL13
// CHECK-NEXT: EOR #$0FF
// CHECK-NEXT:LL13 EQU *
// CHECK-NEXT: ASL A
// CHECK-NEXT: STA BL
// CHECK-NEXT: SBC BL	* if neg sign set, now carry set, set true
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CMP #0
// CHECK-NEXT: BNE NLL12
// CHECK-NEXT: JMP LL12
// CHECK-NEXT:NLL12 EQU *
// CHECK-NEXT: JMP LLS11
// CHECK-NEXT:LL3E11:
// CHECK-NEXT: LDY #>I
// CHECK-NEXT: LDA #<I
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA I
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC #>1
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA I+1
// CHECK-NEXT: ADC #<1
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDA CL
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDA CH
// CHECK-NEXT: INY
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: JMP LL11	* loop
// CHECK-NEXT:LLS11:
// CHECK-NEXT: LDY #>S
// CHECK-NEXT: LDA #<S
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA S
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC I
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA S+1
// CHECK-NEXT: ADC I+1
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDA CL
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDA CH
// CHECK-NEXT: INY
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: JMP LL3E11
// CHECK-NEXT:LL12 EQU *
// CHECK-NEXT:* if ( 
// CHECK-NEXT: LDA N
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA N+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CMP #0
// CHECK-NEXT: BEQ LL15
// CHECK-NEXT: NOP
// CHECK-NEXT:LL15 EQU *
// CHECK-NEXT: TXS
