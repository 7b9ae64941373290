// *, / and %: the left operand is loaded before the right one is generated.
// Inline: loops of 8, 16 or 32 rounds over the work area, two label numbers
// each; four-byte quotients keep the "* divw"/"* modw" comments. -C calls the
// runtime routines with the live words below the left operand (for four bytes
// the left operand too) pushed around the call. values.c checks the results.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/d.asm && %quarn -I %s %t/i.asm && %quarn -C %s %t/c.asm
// RUN: %check %s < %t/d.asm
// RUN: %check %s < %t/i.asm
// RUN: %check --check-prefix=CALL %s < %t/c.asm
char alpha, beta; int gamma, delta;
struct {} s[4]; struct {} t[4];
char mulb() { return alpha * beta; } // CHECK-LABEL:ZMULB EQU *
// CHECK: STA CL
// CHECK-NEXT:* mulb
// CHECK-NEXT: LDA #0
// CHECK-NEXT: STA DIVISOR_PRODUCT
// CHECK-NEXT: LDY #8
// CHECK-NEXT:NLL1 EQU *
// CHECK-NEXT: LSR CL
// CHECK-NEXT: BCC LL2
// CHECK: ADC BL
// CHECK: ASL BL
// CHECK-NEXT: DEY
// CHECK-NEXT: BNE NLL1
// CHECK-NEXT: LDA DIVISOR_PRODUCT
// CHECK-NEXT: STA BL
// CHECK-NEXT:* mulb
// CHECK-NEXT: TXS
// Nothing below the left operand: no save, no copy, no restore.
// CALL-LABEL:ZMULB EQU *
// CALL: STA CL
// CALL-NEXT: LDA BL
// CALL-NEXT: PHA
// CALL: LDX BP
// CALL-NEXT: TXS
int mulw() { return gamma * delta; } // CHECK-LABEL:ZMULW EQU *
// CHECK: LDY #16
// CHECK: DEY
// CHECK-NEXT: BNE NLL3
int mull() { return int(*s * *t); } // CHECK-LABEL:ZMULL EQU *
// CHECK: LDY #32
// CHECK-NEXT:NLL5 EQU *
// CHECK-NEXT: LSR DX+3
// CHECK-NEXT: ROR DX+2
// CHECK-NEXT: ROR DX+1
// CHECK-NEXT: ROR DX
// CHECK-NEXT: BCC LL6
// CHECK: ADC BL
// CHECK: ADC CH
// CHECK-NEXT: STA DIVISOR_PRODUCT+3
// CHECK-NEXT:LL6 EQU *
// CHECK-NEXT: ASL BX
// CHECK: ROL BX+3
// CHECK-NEXT: DEY
// CHECK-NEXT: BNE NLL5
// CHECK: LDA DIVISOR_PRODUCT+3
// CHECK-NEXT: STA CH
// CHECK-NEXT:* mull
// CALL-LABEL:ZMULL EQU *
// CALL: JSR ZMUL32HELPER
char divb() { return alpha / beta; } // CHECK-LABEL:ZDIVB EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA ALPHA
// CHECK-NEXT: STA BL
// CHECK-NEXT:* divb
// CHECK-NEXT: LDA BL
// CHECK-NEXT: STA DIVIDEND_REMAINDER
// CHECK-NEXT: LDA BETA
// CHECK-NEXT: STA DIVISOR_PRODUCT+1
// CHECK: LDY #8
// CHECK-NEXT:LL7 EQU *
// CHECK: BNE LL8
// CHECK: STA BL
// CHECK-NEXT: SBC BL	* if carry set, set true
// CHECK-NEXT: EOR #$0FF
// CHECK-NEXT: BEQ LL8
// CHECK:LL8 EQU *
// CHECK-NEXT: DEY
// CHECK-NEXT: BNE LL7
// CHECK-NEXT: LDA QUOTIENT_FACTOR
// CHECK-NEXT: STA BL
// CHECK-NEXT:* divb
char modb() { return alpha % beta; } // CHECK-LABEL:ZMODB EQU *
// CHECK:* modb
// CHECK:* modb
// A constant divisor (no -O, so no rewrite) is read in place.
int divw() { return gamma / 1000; } // CHECK-LABEL:ZDIVW EQU *
// CHECK:* divw
// CHECK: LDA #>1000
// CHECK: LDY #16
// CHECK: CMP DIVISOR_PRODUCT+2
// CHECK-NEXT: BNE LL12
// CHECK: STA BX+1
// CHECK-NEXT:* divw
int modw() { return gamma % delta; } // CHECK-LABEL:ZMODW EQU *
// CHECK:* modw
// CHECK:* modw
int divl() { return int(*s / *t); } // CHECK-LABEL:ZDIVL EQU *
// CHECK:* divw
// CHECK: LDA AH
// CHECK-NEXT: STA DIVISOR_PRODUCT+7
// CHECK: LDY #32
// CHECK: CMP DIVISOR_PRODUCT+4
// CHECK-NEXT: BNE LL16
// CHECK: SBC DIVISOR_PRODUCT+3
// CHECK-NEXT: STA BL
// CHECK: STA BX+3
// CHECK-NEXT:* divw
// CALL-LABEL:ZDIVL EQU *
// CALL: JSR ZDIV32HELPER
int modl() { return int(*s % *t); } // CHECK-LABEL:ZMODL EQU *
// CHECK: INC QUOTIENT_FACTOR
// CHECK: LDA DIVIDEND_REMAINDER+3
// CHECK-NEXT: STA BX+3
// CHECK-NEXT:* modw
// CALL-LABEL:ZMODL EQU *
// CALL: JSR ZMOD32HELPER
// BX is live: it is pushed, the result copied from BL into CL, BX pulled.
char saved() { return alpha + alpha % beta; } // CALL-LABEL:ZSAVED EQU *
// CALL: LDX BP
// CALL-NEXT: LDA BL
// CALL-NEXT: STA CL
// CALL-NEXT: PLA
// CALL-NEXT: STA BX
// Four bytes with BX live: BX, then the left operand's words are pushed above
// the arguments (AX, R2AH); the result goes to AX, the left operand back first.
int deeper() { return gamma + int(*s / *t); } // CALL-LABEL:ZDEEPER EQU *
// CALL: LDA BX
// CALL-NEXT: PHA
// CALL-NEXT: LDA DX+1
// CALL: LDA CX
// CALL-NEXT: PHA
// CALL-NEXT: LDA AX+1
// CALL: STA AX+1
// CALL-NEXT: PLA
// CALL-NEXT: STA CX
// The left operand lands in byte 42, loaded as R2A but named R2AH.
int high() { return gamma + (gamma + (gamma + (gamma + gamma * delta))); } // CHECK-LABEL:ZHIGH EQU *
// CHECK: STA R2A
// CHECK: LSR R2CH+1
