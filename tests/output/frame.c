// Every output: title, register block (two hex digits within page zero, else
// four, wrapping at 64K; Z is what four digits add before %.2X), origin (-B,
// else $2000), stack set-up (-S, unless FFFF), jump to ZMAIN; at the end two
// signature bytes and END as a comment. -V places variables after the block,
// never in the stack page; -R in place. Switch values: hex, 16 bits, the last
// wins, one that does not read changes nothing; the program runs the same.
// RUN: rm -rf %t && mkdir -p %t && touch %t/empty.c
// RUN: %quarn %t/empty.c %t/empty.asm 2> %t/empty.err && count 0 < %t/empty.err && %check --check-prefixes=BLOCK,EMPTY -DZ= -D#BASE=0xE0 %s < %t/empty.asm
// RUN: %quarn %s %t/v.asm && %check --check-prefixes=BLOCK,INPLACE -DZ= -D#BASE=0xE0 %s < %t/v.asm
// RUN: %quarn -V:0080 %s %t/v.asm && %check --check-prefixes=BLOCK,V0080 -DZ= -D#BASE=0x80 %s < %t/v.asm
// RUN: %quarn -V:00E0 %s %t/v.asm && %check --check-prefixes=BLOCK,V0200 -DZ= -D#BASE=0xE0 %s < %t/v.asm
// RUN: %quarn -V:00E1 %s %t/v.asm && %check --check-prefixes=BLOCK,V0200 -DZ=00 -D#BASE=0xE1 %s < %t/v.asm
// RUN: %quarn -V:0300 %s %t/v.asm && %check --check-prefixes=BLOCK,V0320 -DZ=0 -D#BASE=0x300 %s < %t/v.asm
// RUN: %quarn -V:0300 -R %s %t/v.asm && %check --check-prefixes=BLOCK,INPLACE -DZ=0 -D#BASE=0x300 %s < %t/v.asm
// BLOCK:* Quarnel Output
// BLOCK-EMPTY:
// BLOCK-NEXT:DIVISOR_PRODUCT EQU $[[Z]][[#%.2X,BASE]]
// BLOCK-NEXT:QUOTIENT_FACTOR EQU $[[Z]][[#%.2X,BASE+8]]
// BLOCK-NEXT:DIVIDEND_REMAINDER EQU $[[Z]][[#%.2X,BASE+12]]
// BLOCK-NEXT:N EQU $[[Z]][[#%.2X,BASE+16]]
// BLOCK-NEXT:BP EQU $[[Z]][[#%.2X,BASE+16]]	* ix
// BLOCK-NEXT:BX EQU $[[Z]][[#%.2X,BASE+18]]	* hl
// BLOCK-NEXT:BL EQU BX
// BLOCK-NEXT:BH EQU BX+1
// BLOCK-NEXT:CX EQU $[[Z]][[#%.2X,BASE+20]]	* bc
// BLOCK-NEXT:CL EQU CX
// BLOCK-NEXT:CH EQU CX+1
// BLOCK-NEXT:DX EQU $[[Z]][[#%.2X,BASE+22]]	* de
// BLOCK-NEXT:DL EQU DX
// BLOCK-NEXT:DH EQU DX+1
// BLOCK-NEXT:AX EQU $[[Z]][[#%.2X,BASE+24]]	* iy
// BLOCK-NEXT:AL EQU AX
// BLOCK-NEXT:AH EQU AX+1
// BLOCK-NEXT:RAB EQU $[[Z]][[#%.2X,BASE+26]]
// BLOCK-NEXT:R2A EQU RAB
// BLOCK-NEXT:R2B EQU RAB+1
// BLOCK-NEXT:RCD EQU $[[Z]][[#%.2X,BASE+28]]
// BLOCK-NEXT:R2C EQU RCD
// BLOCK-NEXT:R2D EQU RCD+1
// BLOCK-NEXT:REF EQU $[[Z]][[#%.2X,BASE+30]]
// BLOCK-NEXT:R2E EQU REF
// BLOCK-NEXT:R2F EQU REF+1
// BLOCK-EMPTY:
// BLOCK-NEXT: ORG $2000
// BLOCK-NEXT: JMP ZMAIN
// EMPTY-NEXT: DB 81
// EMPTY-NEXT: DB 88
// EMPTY-NEXT:* 
// EMPTY-NEXT:* END * ZMAIN
// EMPTY-NOT:{{.}}
// INPLACE-NEXT:A DS 2
// INPLACE-NEXT:B DS 1
// V0080-NEXT:A EQU $00A0
// V0200-NEXT:A EQU $0200
// V0320-NEXT:A EQU $0320
// RUN: %quarn -V:FFF0 %s %t/v.asm && %check --check-prefix=WRAP %s < %t/v.asm
// WRAP:N EQU $0000
// WRAP: JMP ZMAIN
// WRAP-NEXT:A EQU $0010
// RUN: %quarn /B:1000 -B:c0de /S:1FF %s %t/b.asm && %check --check-prefix=C0DE %s < %t/b.asm
// C0DE: ORG $C0DE
// C0DE-NEXT: LDX #>$01FF
// C0DE-NEXT: TXS
// C0DE-NEXT: JMP ZMAIN
// RUN: %quarn -B:12345 -Bxyz -S:FFFF %s %t/b.asm && %check --check-prefix=B2345 %s < %t/b.asm
// RUN: %quarn -B:FFFF %s %t/b.asm && %check --check-prefix=B2000 %s < %t/b.asm
// B2345: ORG $2345
// B2345-NEXT: JMP ZMAIN
// B2000: ORG $2000
// RUN: %run %s -B:4000 -S:01FF -V:00E1 2>/dev/null | %check --check-prefix=SIM %s && %run %s -V:0080 2>/dev/null | %check --check-prefix=SIM %s
// SIM:result: 42
int a;
char b;
int c[5];
int main() { a = 40; b = 2; c[2] = a + b; return c[2]; }
