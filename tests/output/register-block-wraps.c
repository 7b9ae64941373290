// A register block placed by -V near the top of memory wraps to page zero:
// every equate of the block names its address modulo 65536 with four digits,
// and the variables follow the block's wrapped end.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %quarn -V:FFF0 %s %t/vfff0.asm
// RUN: %check --check-prefix=VFFF0 %s < %t/vfff0.asm
// RUN: %quarn -V:FFFF %s %t/vffff.asm
// RUN: %check --check-prefix=VFFFF %s < %t/vffff.asm

// VFFF0:DIVISOR_PRODUCT EQU $FFF0
// VFFF0-NEXT:QUOTIENT_FACTOR EQU $FFF8
// VFFF0-NEXT:DIVIDEND_REMAINDER EQU $FFFC
// VFFF0-NEXT:N EQU $0000
// VFFF0-NEXT:BP EQU $0000	* ix
// VFFF0-NEXT:BX EQU $0002	* hl
// VFFF0-NEXT:BL EQU BX
// VFFF0-NEXT:BH EQU BX+1
// VFFF0-NEXT:CX EQU $0004	* bc
// VFFF0-NEXT:CL EQU CX
// VFFF0-NEXT:CH EQU CX+1
// VFFF0-NEXT:DX EQU $0006	* de
// VFFF0-NEXT:DL EQU DX
// VFFF0-NEXT:DH EQU DX+1
// VFFF0-NEXT:AX EQU $0008	* iy
// VFFF0-NEXT:AL EQU AX
// VFFF0-NEXT:AH EQU AX+1
// VFFF0-NEXT:RAB EQU $000A
// VFFF0-NEXT:R2A EQU RAB
// VFFF0-NEXT:R2B EQU RAB+1
// VFFF0-NEXT:RCD EQU $000C
// VFFF0-NEXT:R2C EQU RCD
// VFFF0-NEXT:R2D EQU RCD+1
// VFFF0-NEXT:REF EQU $000E
// VFFF0-NEXT:R2E EQU REF
// VFFF0-NEXT:R2F EQU REF+1
// VFFF0-EMPTY:
// VFFF0-NEXT: ORG $2000
// VFFF0-NEXT: JMP ZMAIN
// VFFF0-NEXT:A EQU $0010
// VFFF0-NEXT:B EQU $0012

// Only the first byte stays at the top; the block's other names all wrap.
// VFFFF:DIVISOR_PRODUCT EQU $FFFF
// VFFFF-NEXT:QUOTIENT_FACTOR EQU $0007
// VFFFF-NEXT:DIVIDEND_REMAINDER EQU $000B
// VFFFF-NEXT:N EQU $000F
// VFFFF-NEXT:BP EQU $000F	* ix
// VFFFF-NEXT:BX EQU $0011	* hl
// VFFFF:REF EQU $001D
// VFFFF: JMP ZMAIN
// VFFFF-NEXT:A EQU $001F
// VFFFF-NEXT:B EQU $0021
int a;
char b;
