* Runtime routine of helper-call mode (-C): four-byte multiply.
*
* ZMUL32HELPER: left = (left * right) AND $FFFFFFFF, unsigned.
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
* Keeps X (the frame register). Clobbers A, flags, DIVISOR_PRODUCT+0..+7,
* QUOTIENT_FACTOR+0..+1. BX is left as it was.
*
* Shift and add by multiplier byte: byte k of the multiplier only reaches
* product bytes k..3, so it adds a multiplicand of 4-k bytes; each part ends
* when its multiplier byte has no 1 bit left.
* Cost, from the JSR to the return: 212 cycles for a zero multiplier, 700
* for 123456789 * 1000, 747 for 100000 * 70000, 1604 at most (multiplier
* $FFFFFFFF), where no taken branch crosses a page; each one that does costs
* one cycle more (where the benchmark's driver places the routine, one does:
* 213, 701, 748, 1605). 218 bytes.
*
ZMUL32HELPER EQU *
 STX QUOTIENT_FACTOR+1
 TSX
* Multiplier byte 0: product = multiplicand (4 bytes) * that byte.
 LDA $0107,X
 STA DIVISOR_PRODUCT+4
 LDA $0108,X
 STA DIVISOR_PRODUCT+5
 LDA $0109,X
 STA DIVISOR_PRODUCT+6
 LDA $010A,X
 STA DIVISOR_PRODUCT+7
 LDA $0105,X
 STA QUOTIENT_FACTOR
 LDA #0
 STA DIVISOR_PRODUCT
 STA DIVISOR_PRODUCT+1
 STA DIVISOR_PRODUCT+2
 STA DIVISOR_PRODUCT+3
 BEQ mul32_next0
mul32_add0 EQU *
 CLC
 LDA DIVISOR_PRODUCT
 ADC DIVISOR_PRODUCT+4
 STA DIVISOR_PRODUCT
 LDA DIVISOR_PRODUCT+1
 ADC DIVISOR_PRODUCT+5
 STA DIVISOR_PRODUCT+1
 LDA DIVISOR_PRODUCT+2
 ADC DIVISOR_PRODUCT+6
 STA DIVISOR_PRODUCT+2
 LDA DIVISOR_PRODUCT+3
 ADC DIVISOR_PRODUCT+7
 STA DIVISOR_PRODUCT+3
mul32_shift0 EQU *
 ASL DIVISOR_PRODUCT+4
 ROL DIVISOR_PRODUCT+5
 ROL DIVISOR_PRODUCT+6
 ROL DIVISOR_PRODUCT+7
mul32_next0 EQU *
 LSR QUOTIENT_FACTOR
 BCS mul32_add0
 BNE mul32_shift0
* Multiplier byte 1: product bytes 1..3 += multiplicand bytes 0..2 * it.
 LDA $0107,X
 STA DIVISOR_PRODUCT+4
 LDA $0108,X
 STA DIVISOR_PRODUCT+5
 LDA $0109,X
 STA DIVISOR_PRODUCT+6
 LDA $0106,X
 STA QUOTIENT_FACTOR
 BCC mul32_next1	* carry is clear here
mul32_add1 EQU *
 CLC
 LDA DIVISOR_PRODUCT+1
 ADC DIVISOR_PRODUCT+4
 STA DIVISOR_PRODUCT+1
 LDA DIVISOR_PRODUCT+2
 ADC DIVISOR_PRODUCT+5
 STA DIVISOR_PRODUCT+2
 LDA DIVISOR_PRODUCT+3
 ADC DIVISOR_PRODUCT+6
 STA DIVISOR_PRODUCT+3
mul32_shift1 EQU *
 ASL DIVISOR_PRODUCT+4
 ROL DIVISOR_PRODUCT+5
 ROL DIVISOR_PRODUCT+6
mul32_next1 EQU *
 LSR QUOTIENT_FACTOR
 BCS mul32_add1
 BNE mul32_shift1
* Multiplier byte 2: product bytes 2..3 += multiplicand bytes 0..1 * it.
 LDA $0107,X
 STA DIVISOR_PRODUCT+4
 LDA $0108,X
 STA DIVISOR_PRODUCT+5
 LDA $0103,X
 STA QUOTIENT_FACTOR
 BCC mul32_next2	* carry is clear here
mul32_add2 EQU *
 CLC
 LDA DIVISOR_PRODUCT+2
 ADC DIVISOR_PRODUCT+4
 STA DIVISOR_PRODUCT+2
 LDA DIVISOR_PRODUCT+3
 ADC DIVISOR_PRODUCT+5
 STA DIVISOR_PRODUCT+3
mul32_shift2 EQU *
 ASL DIVISOR_PRODUCT+4
 ROL DIVISOR_PRODUCT+5
mul32_next2 EQU *
 LSR QUOTIENT_FACTOR
 BCS mul32_add2
 BNE mul32_shift2
* Multiplier byte 3: product byte 3 += multiplicand byte 0 * it, in A.
 LDA $0107,X
 STA DIVISOR_PRODUCT+4
 LDA $0104,X
 STA QUOTIENT_FACTOR
 LDA DIVISOR_PRODUCT+3
 BCC mul32_next3	* carry is clear here
mul32_add3 EQU *
 CLC
 ADC DIVISOR_PRODUCT+4
mul32_shift3 EQU *
 ASL DIVISOR_PRODUCT+4
mul32_next3 EQU *
 LSR QUOTIENT_FACTOR
 BCS mul32_add3
 BNE mul32_shift3
* The product replaces the saved left operand.
 STA $010A,X
 LDA DIVISOR_PRODUCT+2
 STA $0109,X
 LDA DIVISOR_PRODUCT+1
 STA $0108,X
 LDA DIVISOR_PRODUCT
 STA $0107,X
 LDX QUOTIENT_FACTOR+1
 RTS
