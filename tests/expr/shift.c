// << and >> take one label number each, used or not. Without -O every shift
// is a loop that counts the count's low byte down to zero, the value loaded
// first. With -O a constant count is not generated: one byte is always
// unrolled, two bytes up to 4 steps (the count modulo 16); past that a
// counter byte is set before the value is loaded, and the loop counts it.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/plain.asm && %quarn -O %s %t/opt.asm
// RUN: %check --check-prefixes=BOTH,PLAIN %s < %t/plain.asm
// RUN: %check --check-prefixes=BOTH,OPT %s < %t/opt.asm
char alpha, beta; int gamma; struct {} s[4]; struct {} t[4];
char bytesLeft() { return alpha << beta; } // BOTH-LABEL:ZBYTESLEFT EQU *
// BOTH: STA CL
// BOTH-NEXT:LL1 EQU *
// BOTH-NEXT: ASL BL
// BOTH-NEXT: DEC CL
// BOTH-NEXT: BNE LL1
char bytesRight() { return alpha >> 6; } // BOTH-LABEL:ZBYTESRIGHT EQU *
// PLAIN: LDA #>6
// PLAIN-NEXT: STA CL
// OPT-COUNT-6: LSR BL
// OPT-NEXT: TXS
int wordsLeft() { return gamma << 3; } // BOTH-LABEL:ZWORDSLEFT EQU *
// PLAIN:LL3 EQU *
// PLAIN-NEXT: ASL BX
// PLAIN-NEXT: ROL BX+1
// PLAIN-NEXT: DEC CL
// OPT: STA BH
// OPT-COUNT-3: ASL BX{{$}}
// OPT-NEXT: ROL BX+1
// OPT-NEXT: TXS
int wordsRight() { return gamma >> 4; } // BOTH-LABEL:ZWORDSRIGHT EQU *
// OPT-COUNT-4: LSR BX+1{{$}}
// OPT-NEXT: ROR BX
// OPT-NEXT: TXS
int counted() { return gamma << 5; } // OPT-LABEL:ZCOUNTED EQU *
// OPT:* return {{$}}
// OPT-NEXT: LDA #>5
// OPT-NEXT: STA CL
// OPT-NEXT: LDA GAMMA
// OPT: DEC CL
// OPT-NEXT: BNE LL5
int nothing() { return gamma << 0; } // OPT-LABEL:ZNOTHING EQU *
// OPT: STA BH
// OPT-NEXT: TXS
int wrapped() { return gamma >> 17; } // OPT-LABEL:ZWRAPPED EQU *
// OPT: LSR BX+1
// OPT-NEXT: ROR BX
// OPT-NEXT: TXS
// Four bytes: the count is read from the right operand's first byte.
int left4() { return int(*s << *t); } // BOTH-LABEL:ZLEFT4 EQU *
// BOTH:LL8 EQU *
// BOTH-NEXT: ASL BX
// BOTH-NEXT: ROL BX+1
// BOTH-NEXT: ROL BX+2
// BOTH-NEXT: ROL BX+3
// BOTH-NEXT: DEC DL
// BOTH-NEXT: BNE LL8
int right4() { return int(*s >> *t); } // BOTH-LABEL:ZRIGHT4 EQU *
// BOTH:LL9 EQU *
// BOTH-NEXT: LSR BX+3
// BOTH: ROR BX
// BOTH-NEXT: DEC DL
