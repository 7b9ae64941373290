// Statement layouts. Each if, while, do and for takes the label numbers L and
// L+1 from one counter that starts at 1 and is never reset, not even between
// functions; a comparison draws from it too. A block body is tested with the
// long branch form; an empty block writes nothing. outp stores the low byte
// of its value at the address in BX, outpw both bytes. asm and _asm copy the
// rest of their line after one blank, without leading blanks and tabs (254
// characters fit); a keyword that ends its line takes the next line.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
// RUN: python3 -c "print('int main() {' + chr(10) + 'asm NOP ;' + 'x' * 249 + chr(10) + 'asm INX' + chr(10) + '}')" > %t/long.c
// RUN: %quarn %t/long.c %t/long.asm && %check --check-prefix=LONG %s < %t/long.asm
// LONG: NOP ;{{x{249}$}}
// LONG-NEXT: INX
char k;
int port;
int word;
int f()
{
    if (k) asm INX
    if (k) { asm INY
    } else asm DEX
    while (k) asm DEY
    while (k) { asm NOP
    }
    do { asm INX
    } while (k);
    do asm INY
    while (k);
    { { } { } }
}
// CHECK:* if ( 
// CHECK-NEXT: LDA K
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CMP #0
// CHECK-NEXT: BEQ LL1
// CHECK-NEXT: INX
// CHECK-NEXT:LL1 EQU *
// CHECK-NEXT:* if ( 
// CHECK: LDA BL
// CHECK-NEXT: CMP #0
// CHECK-NEXT: BNE NLL3
// CHECK-NEXT: JMP LL3
// CHECK-NEXT:NLL3 EQU *
// CHECK-NEXT: INY
// CHECK-NEXT: JMP LL4
// CHECK-NEXT:LL3 EQU *
// CHECK-NEXT: DEX
// CHECK-NEXT:LL4 EQU *
// CHECK-NEXT:* while ( 
// CHECK-NEXT:LL5 EQU *
// CHECK: BEQ LL6
// CHECK-NEXT: DEY
// CHECK-NEXT: JMP LL5	* loop
// CHECK-NEXT:LL6 EQU *
// CHECK-NEXT:* while ( 
// CHECK-NEXT:LL7 EQU *
// CHECK: BNE NLL8
// CHECK: NOP
// CHECK-NEXT: JMP LL7	* loop
// CHECK-NEXT:LL8 EQU *
// CHECK-NEXT:* do ( 
// CHECK-NEXT:LL9 EQU *
// CHECK-NEXT: INX
// CHECK: LDA BL
// CHECK-NEXT: CMP #0
// CHECK-NEXT: BEQ NLL9
// CHECK-NEXT: JMP LL9	* loop
// CHECK-NEXT:NLL9 EQU *
// CHECK-NEXT:* do ( 
// CHECK-NEXT:LL11 EQU *
// CHECK-NEXT: INY
// CHECK: LDA BL
// CHECK-NEXT: CMP #0
// CHECK-NEXT: BNE LL11	* loop
// CHECK-NEXT: TXS
int main()
{
    for (k = 0; k < 3; k = k + 1) asm NOP
    if (k) _asm	  DEY   ; kept as written
again:
    goto again;
    outp(53280, k);
    outpw(port, word);
    asm
    LDX #$FF
    return k;
}
// CHECK:* for ( 
// CHECK-NEXT: LDY #>K
// CHECK:LL13 EQU *
// CHECK-NEXT: LDA K
// CHECK: BVS LL15
// CHECK: BNE NLL14
// CHECK-NEXT: JMP LL14
// CHECK-NEXT:NLL14 EQU *
// CHECK-NEXT: JMP LLS13
// CHECK-NEXT:LL3E13:
// CHECK-NEXT: LDY #>K
// CHECK: JMP LL13	* loop
// CHECK-NEXT:LLS13:
// CHECK-NEXT: NOP
// CHECK-NEXT: JMP LL3E13
// CHECK-NEXT:LL14 EQU *
// CHECK-NEXT:* if ( 
// CHECK: BEQ LL17
// CHECK-NEXT: DEY   ; kept as written
// CHECK-NEXT:LL17 EQU *
// CHECK-NEXT:* 
// CHECK-NEXT:ZAGAINZMAIN EQU *
// CHECK-NEXT:* goto 
// CHECK-NEXT: JMP ZAGAINZMAIN
// CHECK-NEXT:* outp( 
// CHECK-NEXT: LDA #>$D020
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA #<$D020
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDA K
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA CL
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT:* outpw( 
// CHECK: LDA WORD+1
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDA CX
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDA CX+1
// CHECK-NEXT: INY
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDX #$FF
// CHECK-NEXT:* return 
// CHECK: RTS
// CHECK-NEXT: TXS
