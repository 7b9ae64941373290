* Runtime routine of helper-call mode (-C): two-byte multiply.
*
* ZMUL16HELPER: BX = (left * right) AND $FFFF, unsigned (the same bits for
* signed operands).
* Called by the compiler's call sequence, which pushes the left operand, then
* the right one, high byte first, and pops the 4 bytes after the call: at
* entry, with S the stack pointer, right is at $0103+S (low) and $0104+S, left
* at $0105+S (low) and $0106+S.
* Keeps X (the frame register). Clobbers A, Y, flags, DIVISOR_PRODUCT+0..+4,
* QUOTIENT_FACTOR+0.
*
* Shift and add in two parts, each ending when its multiplier byte has no 1
* bit left: the multiplier's low byte adds the shifted 16-bit multiplicand;
* the multiplier's high byte only reaches the product's high byte, through
* the multiplicand's low byte, so that part is an 8-bit one.
* Cost, from the JSR to the return: 89 cycles for a zero multiplier, 297 for
* 300 * 200, 391 for 12345 * 4321, 521 at most (multiplier 65535). 74 bytes.
*
ZMUL16HELPER EQU *
 STX DIVISOR_PRODUCT+4
 TSX
 LDA $0105,X	* multiplicand: the left operand
 STA DIVISOR_PRODUCT
 STA DIVISOR_PRODUCT+3	* its low byte again, for the second part
 LDA $0106,X
 STA DIVISOR_PRODUCT+1
 LDA $0104,X	* multiplier: the right operand
 STA DIVISOR_PRODUCT+2
 LDA $0103,X
 STA QUOTIENT_FACTOR
 LDX DIVISOR_PRODUCT+4
 LDA #0	* A holds the product's low byte
 STA BX+1
 BEQ mul16_next
mul16_add EQU *
 CLC
 ADC DIVISOR_PRODUCT
 TAY
 LDA BX+1
 ADC DIVISOR_PRODUCT+1
 STA BX+1
 TYA
mul16_shift EQU *
 ASL DIVISOR_PRODUCT
 ROL DIVISOR_PRODUCT+1
mul16_next EQU *
 LSR QUOTIENT_FACTOR
 BCS mul16_add	* bit 1: add the shifted multiplicand
 BNE mul16_shift	* bit 0, more bits to come
 STA BX
* The multiplier's high byte: BH += multiplicand low byte * that byte.
 LDA BX+1
 BCC mul16_next2	* carry is clear here
mul16_add2 EQU *
 CLC
 ADC DIVISOR_PRODUCT+3
mul16_shift2 EQU *
 ASL DIVISOR_PRODUCT+3
mul16_next2 EQU *
 LSR DIVISOR_PRODUCT+2
 BCS mul16_add2
 BNE mul16_shift2
 STA BX+1
 RTS
