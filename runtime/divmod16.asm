* Runtime routines of helper-call mode (-C): two-byte divide and modulo.
*
* ZDIV16HELPER: BX = left / right; ZMOD16HELPER: BX = left % right;
* unsigned (a negative int is divided as its unsigned value, as the inline
* code does). A zero divisor gives the quotient $FFFF and the remainder left.
* Called by the compiler's call sequence, which pushes the left operand, then
* the right one, high byte first, and pops the 4 bytes after the call: at
* entry, with S the stack pointer, right is at $0103+S (low) and $0104+S, left
* at $0105+S (low) and $0106+S.
* Reads those 4 bytes. Writes BX. Keeps X (the frame register). Clobbers A, Y,
* flags, DIVISOR_PRODUCT+0..+2, DIVIDEND_REMAINDER+1.
*
* The quotient is formed in BX: the dividend's low byte goes there and each
* step shifts a quotient bit in from the right as it shifts a dividend bit
* out. Three cases by the divisor:
* - below 256: a byte quotient at a time, the remainder (below the divisor)
*   in A. The dividend's high byte is divided first unless it is already
*   below the divisor, then the low byte: 8 or 16 steps. A divisor above 128
*   can push a shifted remainder past 8 bits; the carry says so, and then the
*   divisor is subtracted at once.
* - 256 or more: the quotient fits in a byte and the dividend's high byte is
*   below the divisor, so it is the starting remainder and 8 steps divide the
*   low byte; the remainder is 16 bits, its low byte in A. After k steps it
*   is at most the dividend's top 8+k bits: it never needs a 17th bit. A
*   dividend whose high byte is below the divisor's is the remainder itself.
* - 0: the quotient $FFFF and the remainder left, at once.
* Cost, from the JSR to the return, as measured where the benchmark's driver
* places the routines (a taken branch that crosses a page costs one cycle
* more): ZDIV16HELPER 55 cycles at least (a zero divisor), 239 for
* 12345 / 100, 409 for 65535 / 1, 424 at most (65535 / 257: a divisor of 256
* or more, every step subtracting); ZMOD16HELPER 18 more (73, 257, 427, 442).
* 168 bytes for both routines.
*
ZMOD16HELPER EQU *
 STX DIVISOR_PRODUCT+2
 TSX
 JSR div16_core
 STA BX
 STY BX+1
 RTS
ZDIV16HELPER EQU *
 STX DIVISOR_PRODUCT+2
 TSX
* X is S at the helper's entry: the operands are at $0103,X..$0106,X. Leaves
* the quotient in BX and the remainder in A (low byte) and Y (high byte), and
* X restored from DIVISOR_PRODUCT+2.
div16_core EQU *
 LDA $0105,X	* the dividend's low byte: the quotient forms there
 STA BX
 LDY $0106,X	* the dividend's high byte
 LDA $0104,X
 BNE div16_word	* a divisor of 256 or more
 LDA $0103,X
 BEQ div16_zero
 STA DIVISOR_PRODUCT
 CPY DIVISOR_PRODUCT
 BCC div16_high_below
* The high byte is at least the divisor: divide it first, from remainder 0.
* A remainder that starts at 0 stays within the 8 bits shifted in so far.
 STY BX+1
 LDA #0
 LDX #8
 ASL BX+1
div16_high_loop EQU *
 ROL A
 CMP DIVISOR_PRODUCT
 BCC div16_high_bit	* below the divisor: quotient bit 0
 SBC DIVISOR_PRODUCT	* carry stays set: quotient bit 1
div16_high_bit EQU *
 ROL BX+1
 DEX
 BNE div16_high_loop
 BEQ div16_low
div16_high_below EQU *
 LDA #0	* quotient high byte 0, remainder the high byte
 STA BX+1
 TYA
div16_low EQU *
 LDX #8
 ASL BX
div16_low_loop EQU *
 ROL A
 BCS div16_low_over	* a 9-bit remainder: above any byte divisor
 CMP DIVISOR_PRODUCT
 BCC div16_low_bit
 SBC DIVISOR_PRODUCT
div16_low_bit EQU *
 ROL BX
 DEX
 BNE div16_low_loop
 LDY #0
 LDX DIVISOR_PRODUCT+2
 RTS
div16_low_over EQU *
 SBC DIVISOR_PRODUCT	* the 9th bit absorbs the borrow
 SEC	* quotient bit 1
 BCS div16_low_bit
div16_zero EQU *
 LDA BX	* remainder: the dividend, high byte in Y
 LDX #$FF
 STX BX
 STX BX+1
 LDX DIVISOR_PRODUCT+2
 RTS
div16_word EQU *
 STA DIVISOR_PRODUCT+1
 CPY DIVISOR_PRODUCT+1
 BCC div16_word_below
 LDA $0103,X
 STA DIVISOR_PRODUCT
 LDA #0
 STA BX+1
 STA DIVIDEND_REMAINDER+1
 TYA	* remainder: the dividend's high byte
 LDX #8
 ASL BX
div16_word_loop EQU *
 ROL A
 ROL DIVIDEND_REMAINDER+1
 TAY
 CMP DIVISOR_PRODUCT
 LDA DIVIDEND_REMAINDER+1
 SBC DIVISOR_PRODUCT+1
 BCS div16_word_take
 TYA	* below the divisor: quotient bit 0
div16_word_bit EQU *
 ROL BX
 DEX
 BNE div16_word_loop
 LDY DIVIDEND_REMAINDER+1
 LDX DIVISOR_PRODUCT+2
 RTS
div16_word_take EQU *
 STA DIVIDEND_REMAINDER+1
 TYA
 SBC DIVISOR_PRODUCT	* carry is set
 SEC	* quotient bit 1
 BCS div16_word_bit
div16_word_below EQU *
 LDA BX	* quotient 0, remainder the dividend (high byte in Y)
 LDX #0
 STX BX
 STX BX+1
 LDX DIVISOR_PRODUCT+2
 RTS
