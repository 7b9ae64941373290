// Under -C quotients and remainders call ZDIV8HELPER ... ZMOD32HELPER: live words are pushed before and pulled back after, the result is copied from BX above them, and each operation still takes two label numbers.
// RUN: rm -rf %t && mkdir -p %t && %quarn -C -O %s %t/out.asm
// RUN: %check %s < %t/out.asm
char alpha;
char beta;
int gamma;
int delta;
struct {} s[4];
struct {} t[4];

// Nothing below the left operand: no save, no copy, no restore.
char bytes()
{
    return alpha / beta;
}
// CHECK:* return 
// CHECK-NEXT: LDA ALPHA
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BETA
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA BL
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA CL
// CHECK-NEXT: PHA
// CHECK-NEXT: JSR ZDIV8HELPER
// CHECK-NEXT: STX BP
// CHECK-NEXT: TSX
// CHECK-NEXT: INX
// CHECK-NEXT: INX
// CHECK-NEXT: TXS
// CHECK-NEXT: LDX BP
// CHECK-NEXT: TXS

int words()
{
    return gamma % delta;
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
// CHECK-NEXT: LDA BX+1
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA BX
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA CX+1
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA CX
// CHECK-NEXT: PHA
// CHECK-NEXT: JSR ZMOD16HELPER
// CHECK-NEXT: STX BP
// CHECK-NEXT: TSX
// CHECK-NEXT: INX
// CHECK-NEXT: INX
// CHECK-NEXT: INX
// CHECK-NEXT: INX
// CHECK-NEXT: TXS
// CHECK-NEXT: LDX BP
// CHECK-NEXT: TXS

// One level deeper the char remainder saves BX, copies BL into CL and pulls
// BX back.
char saved()
{
    return alpha + alpha % beta;
}
// CHECK:* return 
// CHECK-NEXT: LDA ALPHA
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA ALPHA
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA BX+1
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA BX
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA BETA
// CHECK-NEXT: STA DL
// CHECK-NEXT: LDA CL
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA DL
// CHECK-NEXT: PHA
// CHECK-NEXT: JSR ZMOD8HELPER
// CHECK-NEXT: STX BP
// CHECK-NEXT: TSX
// CHECK-NEXT: INX
// CHECK-NEXT: INX
// CHECK-NEXT: TXS
// CHECK-NEXT: LDX BP
// CHECK-NEXT: LDA BL
// CHECK-NEXT: STA CL
// CHECK-NEXT: PLA
// CHECK-NEXT: STA BX
// CHECK-NEXT: PLA
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC CL
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS

// Four bytes: the left operand (BX, CX) is saved below the right one's two
// words, which are the routine's arguments; the routine leaves its result in
// the saved bytes, which come back into BX and CX.
int longs()
{
    return int(*s / *t);
}
// CHECK: STA DX+3
// CHECK-NEXT: LDA CX+1
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA CX
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA BX+1
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA BX
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA DX+1
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA DX
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA AX+1
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA AX
// CHECK-NEXT: PHA
// CHECK-NEXT: JSR ZDIV32HELPER
// CHECK-NEXT: STX BP
// CHECK-NEXT: TSX
// CHECK-NEXT: INX
// CHECK-NEXT: INX
// CHECK-NEXT: INX
// CHECK-NEXT: INX
// CHECK-NEXT: TXS
// CHECK-NEXT: LDX BP
// CHECK-NEXT: LDA BX
// CHECK-NEXT: STA DX
// CHECK-NEXT: LDA BX+1
// CHECK-NEXT: STA DX+1
// CHECK-NEXT: PLA
// CHECK-NEXT: STA BX
// CHECK-NEXT: PLA
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: PLA
// CHECK-NEXT: STA CX
// CHECK-NEXT: PLA
// CHECK-NEXT: STA CX+1
// CHECK-NEXT: TXS

int longRemainder()
{
    return int(*s % *t);
}
// CHECK: JSR ZMOD32HELPER

// With gamma live below a four-byte left operand, gamma's word is pushed
// first and the left operand's words last, right above the arguments where
// the routine finds them; they are pulled back first.
int deeper()
{
    return gamma + int(*s / *t);
}
// CHECK: STA AX+3
// CHECK-NEXT: LDA BX+1
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA BX
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA DX+1
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA DX
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA CX+1
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA CX
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA AX+1
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA AX
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA R2AH+1
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA R2AH
// CHECK-NEXT: PHA
// CHECK-NEXT: JSR ZDIV32HELPER
// CHECK-NEXT: STX BP
// CHECK-NEXT: TSX
// CHECK-NEXT: INX
// CHECK-NEXT: INX
// CHECK-NEXT: INX
// CHECK-NEXT: INX
// CHECK-NEXT: TXS
// CHECK-NEXT: LDX BP
// CHECK-NEXT: LDA BX
// CHECK-NEXT: STA AX
// CHECK-NEXT: LDA BX+1
// CHECK-NEXT: STA AX+1
// CHECK-NEXT: PLA
// CHECK-NEXT: STA CX
// CHECK-NEXT: PLA
// CHECK-NEXT: STA CX+1
// CHECK-NEXT: PLA
// CHECK-NEXT: STA DX
// CHECK-NEXT: PLA
// CHECK-NEXT: STA DX+1
// CHECK-NEXT: PLA
// CHECK-NEXT: STA BX
// CHECK-NEXT: PLA
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC CL
// CHECK-NEXT: STA BL

// Six calls took labels 1 to 12.
char count()
{
    return alpha << beta;
}
// CHECK:LL13 EQU *
