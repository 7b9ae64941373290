* Runtime routines of helper-call mode (-C): one-byte divide and modulo.
*
* ZDIV8HELPER: BL = left / right; ZMOD8HELPER: BL = left % right; unsigned.
* A zero divisor gives the quotient $FF and the remainder left, as the
* inline code does.
* Called by the compiler's call sequence:
*   LDA left  PHA  LDA right  PHA  JSR ZDIV8HELPER  (the caller pops 2 bytes)
* so at entry, with S the stack pointer, right is at $0103+S, left at $0104+S.
* Keep X (the frame register). Clobber A, Y, flags, DIVISOR_PRODUCT+0..+2,
* QUOTIENT_FACTOR+0. BH is left as it was.
*
* Shift and subtract: the dividend is shifted left into the remainder (in A)
* one bit at a time, and the quotient bits enter the dividend's byte from
* the right. After k steps the remainder is at most the dividend's top k
* bits, so it never needs a ninth bit.
* Cost, from the JSR to the return: 201 to 220 cycles (210 for 200 / 7).
* 48 bytes for both routines.
*
ZDIV8HELPER EQU *
 JSR divmod8
 LDA QUOTIENT_FACTOR
 STA BL
 RTS
ZMOD8HELPER EQU *
 JSR divmod8
 STA BL
 RTS
* Quotient in QUOTIENT_FACTOR, remainder in A. Its own return address lies
* on the stack too: the operands are 2 bytes further up.
divmod8 EQU *
 STX DIVISOR_PRODUCT+2
 TSX
 LDA $0106,X	* dividend: the left operand
 STA QUOTIENT_FACTOR
 LDA $0105,X	* divisor: the right operand
 STA DIVISOR_PRODUCT
 LDX DIVISOR_PRODUCT+2
 LDA #0
 LDY #8
 ASL QUOTIENT_FACTOR
div8_loop EQU *
 ROL A
 CMP DIVISOR_PRODUCT
 BCC div8_bit	* below the divisor: quotient bit 0
 SBC DIVISOR_PRODUCT	* carry stays set: quotient bit 1
div8_bit EQU *
 ROL QUOTIENT_FACTOR
 DEY
 BNE div8_loop
 RTS
