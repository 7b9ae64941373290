* Runtime routines of helper-call mode (-C): two-byte divide and modulo.
*
* ZDIV16HELPER: BX = left / right; ZMOD16HELPER: BX = left % right;
* unsigned (a negative int is divided as its unsigned value, as the inline
* code does). A zero divisor gives the quotient $FFFF and the remainder left.
* Called by the compiler's call sequence, which pushes the left operand, then
* the right one, high byte first, and pops the 4 bytes after the call: at
* entry, with S the stack pointer, right is at $0103+S (low) and $0104+S, left
* at $0105+S (low) and $0106+S.
* Keep X (the frame register). Clobber A, Y, flags, DIVISOR_PRODUCT+0..+2,
* QUOTIENT_FACTOR+0..+1, DIVIDEND_REMAINDER+0..+1.
*
* Shift and subtract over 16 bits, the remainder's low byte kept in A, the
* quotient bits entering the dividend from the right. After k steps the
* remainder is at most the dividend's top k bits: it never needs a 17th bit.
* Cost, from the JSR to the return: 683 to 875 cycles (755 for 12345 / 100,
* 875 for 65535 / 1). 88 bytes for both routines.
*
ZDIV16HELPER EQU *
 JSR divmod16
 LDA QUOTIENT_FACTOR
 STA BX
 LDA QUOTIENT_FACTOR+1
 STA BX+1
 RTS
ZMOD16HELPER EQU *
 JSR divmod16
 STA BX
 LDA DIVIDEND_REMAINDER+1
 STA BX+1
 RTS
* Quotient in QUOTIENT_FACTOR, remainder in DIVIDEND_REMAINDER and its low
* byte in A. The operands are 2 bytes further up (this routine's own return
* address). X counts the bits and is restored at the end.
divmod16 EQU *
 STX DIVISOR_PRODUCT+2
 TSX
 LDA $0107,X	* dividend: the left operand
 STA QUOTIENT_FACTOR
 LDA $0108,X
 STA QUOTIENT_FACTOR+1
 LDA $0105,X	* divisor: the right operand
 STA DIVISOR_PRODUCT
 LDA $0106,X
 STA DIVISOR_PRODUCT+1
 LDA #0
 STA DIVIDEND_REMAINDER+1
 LDX #16
 ASL QUOTIENT_FACTOR
 ROL QUOTIENT_FACTOR+1
div16_loop EQU *
 ROL A
 ROL DIVIDEND_REMAINDER+1
 TAY
 CMP DIVISOR_PRODUCT
 LDA DIVIDEND_REMAINDER+1
 SBC DIVISOR_PRODUCT+1
 BCS div16_take
 TYA	* below the divisor: quotient bit 0
div16_bit EQU *
 ROL QUOTIENT_FACTOR
 ROL QUOTIENT_FACTOR+1
 DEX
 BNE div16_loop
 STA DIVIDEND_REMAINDER
 LDX DIVISOR_PRODUCT+2
 RTS
div16_take EQU *
 STA DIVIDEND_REMAINDER+1
 TYA
 SBC DIVISOR_PRODUCT	* carry is set
 SEC	* quotient bit 1
 BCS div16_bit
