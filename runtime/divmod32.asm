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
* Reads those 8 bytes; writes the result over $0107+S..$010A+S. Keeps X
* (the frame register). Clobbers A, Y, flags, DIVISOR_PRODUCT+0..+6,
* QUOTIENT_FACTOR+0..+3, DIVIDEND_REMAINDER+0..+3. BX is left as it was.
*
* Shift and subtract, the dividend in QUOTIENT_FACTOR: each step shifts a
* dividend bit out to the remainder and a quotient bit in. Leading quotient
* bytes that must be 0 are not computed: the top dividend bytes that lie
* below the divisor are the starting remainder. The remainder is as wide as
* the divisor, so there are three cases:
* - below 256: a byte quotient at a time, for the bytes from the highest
*   one that is not below the divisor down; the remainder in A. A shifted
*   remainder can pass 8 bits when the divisor is above 128; the carry says
*   so, and the divisor is then subtracted at once.
* - below 65536: the same with a 16-bit remainder, its low byte in A and a
*   17th bit handled the same way; the top one or two dividend bytes start
*   the remainder.
* - 65536 or more: the quotient has at most 16 bits, at most 8 when the top
*   three dividend bytes lie below the divisor; a 32-bit remainder, which
*   after k steps is at most the dividend's top bits shifted in so far, so it
*   never needs a 33rd bit.
* - 0: the quotient $FFFFFFFF and the remainder left, at once.
* Cost, from the JSR to the return, the same for both routines, as measured
* where the benchmark's driver places them (a taken branch that crosses a
* page costs one cycle more): 193 cycles at least (a dividend of 0 and a
* divisor of 256 or more), 220 for a zero divisor, 966 for $7FFFFFFF / 2,
* 1243 for 123456789 / 1000, 1620 at most (4294967295 / 65537: a divisor of
* 65536 or more and 16 steps that all subtract). 443 bytes for both
* routines.
*
ZDIV32HELPER EQU *
 JSR div32_core
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
 JSR div32_core
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
* are 2 bytes further up (this routine's own return address). X indexes the
* dividend's bytes or counts steps; the caller restores it from
* DIVISOR_PRODUCT+4.
div32_core EQU *
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
 LDA $0106,X
 STA DIVISOR_PRODUCT+3
 ORA $0105,X
 BEQ div32_short
 LDA $0105,X
 STA DIVISOR_PRODUCT+2
 JMP div32_long
div32_short EQU *
 STA DIVISOR_PRODUCT+2
 LDA DIVISOR_PRODUCT+1
 BNE div32_word
 LDA DIVISOR_PRODUCT
 BNE div32_byte
* Divisor 0: the remainder is the dividend, the quotient all ones.
 LDX #3
div32_zero EQU *
 LDA QUOTIENT_FACTOR,X
 STA DIVIDEND_REMAINDER,X
 LDA #$FF
 STA QUOTIENT_FACTOR,X
 DEX
 BPL div32_zero
 RTS
*
* A divisor below 256, in DIVISOR_PRODUCT. X indexes the dividend byte.
div32_byte EQU *
 LDX #3
div32_byte_lead EQU *
 LDY QUOTIENT_FACTOR,X
 BNE div32_byte_top
 DEX
 BPL div32_byte_lead
 LDA #0	* a dividend of 0
 BEQ div32_byte_done
div32_byte_top EQU *
 LDA #0
 CPY DIVISOR_PRODUCT
 BCS div32_byte_next	* divide the top byte from remainder 0
 TYA	* below the divisor: the starting remainder
 LDY #0
 STY QUOTIENT_FACTOR,X
 DEX
 BMI div32_byte_done
div32_byte_next EQU *
 LDY QUOTIENT_FACTOR,X
 STY DIVISOR_PRODUCT+6
 LDY #8
 ASL DIVISOR_PRODUCT+6
div32_byte_loop EQU *
 ROL A
 BCS div32_byte_over	* a 9-bit remainder: above any byte divisor
 CMP DIVISOR_PRODUCT
 BCC div32_byte_bit	* below the divisor: quotient bit 0
 SBC DIVISOR_PRODUCT	* carry stays set: quotient bit 1
div32_byte_bit EQU *
 ROL DIVISOR_PRODUCT+6
 DEY
 BNE div32_byte_loop
 LDY DIVISOR_PRODUCT+6
 STY QUOTIENT_FACTOR,X
 DEX
 BPL div32_byte_next
div32_byte_done EQU *
 STA DIVIDEND_REMAINDER
 LDA #0
 STA DIVIDEND_REMAINDER+1
 STA DIVIDEND_REMAINDER+2
 STA DIVIDEND_REMAINDER+3
 RTS
div32_byte_over EQU *
 SBC DIVISOR_PRODUCT	* the 9th bit absorbs the borrow
 SEC	* quotient bit 1
 BCS div32_byte_bit
*
* A divisor from 256 to 65535 in DIVISOR_PRODUCT+0..+1: the remainder's low
* byte in A, its high byte in DIVIDEND_REMAINDER+1; X indexes the dividend
* byte, Y keeps the remainder's low byte during a trial subtraction and
* DIVISOR_PRODUCT+5 counts the steps.
div32_word EQU *
 LDX #3
div32_word_lead EQU *
 LDA QUOTIENT_FACTOR,X
 BNE div32_word_top
 DEX
 BNE div32_word_lead
 LDA QUOTIENT_FACTOR
* The top byte that is not 0 (or byte 0) lies below the divisor: it starts
* the remainder, with the next byte too when the two lie below the divisor.
div32_word_top EQU *
 LDY #0
 STY QUOTIENT_FACTOR,X
 STY DIVIDEND_REMAINDER+1
 DEX
 BMI div32_word_done
 STA DIVIDEND_REMAINDER+1
 LDY QUOTIENT_FACTOR,X
 CPY DIVISOR_PRODUCT
 SBC DIVISOR_PRODUCT+1
 BCS div32_word_one
 TYA	* the two bytes start the remainder
 LDY #0
 STY QUOTIENT_FACTOR,X
 DEX
 BPL div32_word_next
 BMI div32_word_done
div32_word_one EQU *
 LDA DIVIDEND_REMAINDER+1
 LDY #0
 STY DIVIDEND_REMAINDER+1
div32_word_next EQU *
 LDY QUOTIENT_FACTOR,X
 STY DIVISOR_PRODUCT+6
 LDY #8
 STY DIVISOR_PRODUCT+5
 ASL DIVISOR_PRODUCT+6
div32_word_loop EQU *
 ROL A
 ROL DIVIDEND_REMAINDER+1
 BCS div32_word_over	* a 17-bit remainder: above any such divisor
 TAY
 CMP DIVISOR_PRODUCT
 LDA DIVIDEND_REMAINDER+1
 SBC DIVISOR_PRODUCT+1
 BCS div32_word_take
 TYA	* below the divisor: quotient bit 0
div32_word_bit EQU *
 ROL DIVISOR_PRODUCT+6
 DEC DIVISOR_PRODUCT+5
 BNE div32_word_loop
 LDY DIVISOR_PRODUCT+6
 STY QUOTIENT_FACTOR,X
 DEX
 BPL div32_word_next
div32_word_done EQU *
 STA DIVIDEND_REMAINDER
 LDA #0
 STA DIVIDEND_REMAINDER+2
 STA DIVIDEND_REMAINDER+3
 RTS
div32_word_take EQU *
 STA DIVIDEND_REMAINDER+1
 TYA
 SBC DIVISOR_PRODUCT	* carry is set
 SEC	* quotient bit 1
 BCS div32_word_bit
div32_word_over EQU *
 SBC DIVISOR_PRODUCT	* carry is set; the 17th bit absorbs the borrow
 TAY
 LDA DIVIDEND_REMAINDER+1
 SBC DIVISOR_PRODUCT+1
 STA DIVIDEND_REMAINDER+1
 TYA
 SEC	* quotient bit 1
 BCS div32_word_bit
*
* A divisor of 65536 or more: a 32-bit remainder in DIVIDEND_REMAINDER, the
* dividend bytes still to divide at the top of QUOTIENT_FACTOR+0..+1, which
* shift as one register; X counts the steps. Y, DIVISOR_PRODUCT+5 and +6
* hold the trial difference.
div32_long EQU *
 LDA QUOTIENT_FACTOR+1	* dividend bytes 1..3 below the divisor?
 CMP DIVISOR_PRODUCT
 LDA QUOTIENT_FACTOR+2
 SBC DIVISOR_PRODUCT+1
 LDA QUOTIENT_FACTOR+3
 SBC DIVISOR_PRODUCT+2
 LDA #0
 SBC DIVISOR_PRODUCT+3
 BCS div32_long16
 LDA QUOTIENT_FACTOR+1	* yes: they start the remainder, 8 steps
 STA DIVIDEND_REMAINDER
 LDA QUOTIENT_FACTOR+2
 STA DIVIDEND_REMAINDER+1
 LDA QUOTIENT_FACTOR+3
 STA DIVIDEND_REMAINDER+2
 LDA QUOTIENT_FACTOR
 STA QUOTIENT_FACTOR+1
 LDA #0
 STA QUOTIENT_FACTOR
 LDX #8
 BNE div32_long_start
div32_long16 EQU *
 LDA QUOTIENT_FACTOR+2	* no: bytes 2..3 do, 16 steps
 STA DIVIDEND_REMAINDER
 LDA QUOTIENT_FACTOR+3
 STA DIVIDEND_REMAINDER+1
 LDA #0
 STA DIVIDEND_REMAINDER+2
 LDX #16
div32_long_start EQU *
 LDA #0
 STA DIVIDEND_REMAINDER+3
 STA QUOTIENT_FACTOR+2
 STA QUOTIENT_FACTOR+3
 ASL QUOTIENT_FACTOR
 ROL QUOTIENT_FACTOR+1
div32_long_loop EQU *
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
 BCC div32_long_bit	* below the divisor: quotient bit 0
 STA DIVIDEND_REMAINDER+3
 LDA DIVISOR_PRODUCT+6
 STA DIVIDEND_REMAINDER+2
 LDA DIVISOR_PRODUCT+5
 STA DIVIDEND_REMAINDER+1
 STY DIVIDEND_REMAINDER	* carry is set: quotient bit 1
div32_long_bit EQU *
 ROL QUOTIENT_FACTOR
 ROL QUOTIENT_FACTOR+1
 DEX
 BNE div32_long_loop
 RTS
