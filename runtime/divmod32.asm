* Runtime routines of helper-call mode (-C): four-byte divide and modulo.
*
* ZDIV32HELPER: left = left / right; ZMOD32HELPER: left = left % right;
* unsigned. A zero divisor gives the quotient $FFFFFFFF and the remainder
* left.
* The compiler's call sequence for four-byte operands first saves the live
* words below the left operand, then the left operand itself (word 2, then
* word 0, high bytes first), so that its bytes lie right above the
* arguments; it pushes the right operand's word 0 and word 2 (high bytes
* first) as the four argument bytes, calls, pops those 4 bytes and pulls the
* saved bytes back into the registers, the left operand first: the result
* is left in the saved left-operand bytes. At entry, with S the stack
* pointer:
*   $0103+S right byte 2, $0104+S byte 3, $0105+S byte 0, $0106+S byte 1,
*   $0107+S..$010A+S left bytes 0..3 (result).
* A caller that saved other words after the left operand (the plain save
* loop, top word first, does so whenever temporaries lie below the left
* operand) would have them overwritten here instead.
* Keep X (the frame register). Clobber A, Y, flags, DIVISOR_PRODUCT+0..+6,
* QUOTIENT_FACTOR+0..+3, DIVIDEND_REMAINDER+0..+3. BX is left as it was.
*
* Shift and subtract over 32 bits: the remainder minus the divisor is formed
* in Y, DIVISOR_PRODUCT+5, DIVISOR_PRODUCT+6 and A, and kept when it does
* not borrow. After k steps the remainder is at most the dividend's top k
* bits: it never needs a 33rd bit.
* Cost, from the JSR to the return: 2812 to 3356 cycles (2914 for
* 123456789 / 1000). 173 bytes for both routines.
*
ZDIV32HELPER EQU *
 JSR divmod32
 TSX
 LDA QUOTIENT_FACTOR
 STA $0107,X
 LDA QUOTIENT_FACTOR+1
 STA $0108,X
 LDA QUOTIENT_FACTOR+2
 STA $0109,X
 LDA QUOTIENT_FACTOR+3
 STA $010A,X
 LDX DIVISOR_PRODUCT+4
 RTS
ZMOD32HELPER EQU *
 JSR divmod32
 TSX
 LDA DIVIDEND_REMAINDER
 STA $0107,X
 LDA DIVIDEND_REMAINDER+1
 STA $0108,X
 LDA DIVIDEND_REMAINDER+2
 STA $0109,X
 LDA DIVIDEND_REMAINDER+3
 STA $010A,X
 LDX DIVISOR_PRODUCT+4
 RTS
* Quotient in QUOTIENT_FACTOR, remainder in DIVIDEND_REMAINDER. The operands
* are 2 bytes further up (this routine's own return address). X counts the
* bits; the caller restores it from DIVISOR_PRODUCT+4.
divmod32 EQU *
 STX DIVISOR_PRODUCT+4
 TSX
 LDA $0109,X	* dividend: the left operand
 STA QUOTIENT_FACTOR
 LDA $010A,X
 STA QUOTIENT_FACTOR+1
 LDA $010B,X
 STA QUOTIENT_FACTOR+2
 LDA $010C,X
 STA QUOTIENT_FACTOR+3
 LDA $0107,X	* divisor: the right operand
 STA DIVISOR_PRODUCT
 LDA $0108,X
 STA DIVISOR_PRODUCT+1
 LDA $0105,X
 STA DIVISOR_PRODUCT+2
 LDA $0106,X
 STA DIVISOR_PRODUCT+3
 LDA #0
 STA DIVIDEND_REMAINDER
 STA DIVIDEND_REMAINDER+1
 STA DIVIDEND_REMAINDER+2
 STA DIVIDEND_REMAINDER+3
 LDX #32
div32_loop EQU *
 ROL QUOTIENT_FACTOR	* the last quotient bit in, the next dividend bit out
 ROL QUOTIENT_FACTOR+1
 ROL QUOTIENT_FACTOR+2
 ROL QUOTIENT_FACTOR+3
 ROL DIVIDEND_REMAINDER
 ROL DIVIDEND_REMAINDER+1
 ROL DIVIDEND_REMAINDER+2
 ROL DIVIDEND_REMAINDER+3
 LDA DIVIDEND_REMAINDER
 SEC
 SBC DIVISOR_PRODUCT
 TAY
 LDA DIVIDEND_REMAINDER+1
 SBC DIVISOR_PRODUCT+1
 STA DIVISOR_PRODUCT+5
 LDA DIVIDEND_REMAINDER+2
 SBC DIVISOR_PRODUCT+2
 STA DIVISOR_PRODUCT+6
 LDA DIVIDEND_REMAINDER+3
 SBC DIVISOR_PRODUCT+3
 BCC div32_next	* below the divisor: quotient bit 0
 STA DIVIDEND_REMAINDER+3
 LDA DIVISOR_PRODUCT+6
 STA DIVIDEND_REMAINDER+2
 LDA DIVISOR_PRODUCT+5
 STA DIVIDEND_REMAINDER+1
 STY DIVIDEND_REMAINDER	* carry is set: quotient bit 1
div32_next EQU *
 DEX
 BNE div32_loop
 ROL QUOTIENT_FACTOR
 ROL QUOTIENT_FACTOR+1
 ROL QUOTIENT_FACTOR+2
 ROL QUOTIENT_FACTOR+3
 RTS
