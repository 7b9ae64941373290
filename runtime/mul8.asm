* Runtime routine of helper-call mode (-C): one-byte multiply.
*
* ZMUL8HELPER: BL = (left * right) AND $FF, unsigned.
* Called by the compiler's call sequence:
*   LDA left  PHA  LDA right  PHA  JSR ZMUL8HELPER  (the caller pops 2 bytes)
* so at entry, with S the stack pointer, right is at $0103+S, left at $0104+S.
* Keeps X (the frame register). Clobbers A, flags, DIVISOR_PRODUCT+0..+2.
* BH is left as it was.
*
* Shift and add with early exit: the multiplier is shifted right until it is
* zero; each 1 bit adds the multiplicand, which is shifted left each step.
* Cost, from the JSR to the return: 51 cycles for a zero multiplier, then
* 15 more for each 0 bit and 18 for each 1 bit up to the multiplier's highest
* 1 bit: 168 for 37 * 101, 195 at most (multiplier 255). 33 bytes.
*
ZMUL8HELPER EQU *
 STX DIVISOR_PRODUCT+2
 TSX
 LDA $0104,X	* multiplicand: the left operand
 STA DIVISOR_PRODUCT
 LDA $0103,X	* multiplier: the right operand
 STA DIVISOR_PRODUCT+1
 LDX DIVISOR_PRODUCT+2
 LDA #0	* A accumulates the product
 BEQ mul8_next
mul8_add EQU *
 CLC
 ADC DIVISOR_PRODUCT
mul8_shift EQU *
 ASL DIVISOR_PRODUCT
mul8_next EQU *
 LSR DIVISOR_PRODUCT+1
 BCS mul8_add	* bit 1: add the shifted multiplicand
 BNE mul8_shift	* bit 0, more bits to come
 STA BL
 RTS
