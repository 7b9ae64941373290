* Runtime routine of helper-call mode (-C): two-byte multiply.
*
* ZMUL16HELPER: BX = (left * right) AND $FFFF, unsigned (the same bits for
* signed operands).
* Called by the compiler's call sequence, which pushes the left operand, then
* the right one, high byte first, and pops the 4 bytes after the call: at
* entry, with S the stack pointer, right is at $0103+S (low) and $0104+S, left
* at $0105+S (low) and $0106+S.
* Reads those 4 bytes. Writes BX. Keeps X (the frame register). Clobbers A,
* Y, flags, DIVISOR_PRODUCT+0..+4, QUOTIENT_FACTOR+0.
*
* left * right = left * r0 + 256 * (l0 * r1), with l0, r0 and r1 the low
* bytes of left and right and the high byte of right. Two parts:
* - l0 * r1, of which only the low byte counts: an 8-bit shift and add into
*   the product's high byte, ending when the multiplier has no 1 bit left.
*   A multiplier of 128 or more is taken as -(256 - it) with -l0.
* - left * r0: shift and add with the 16-bit multiplicand, its low byte in
*   A, the product in BX, ending when r0 has no 1 bit left. A low byte of
*   $E0 or more has at most 6 bits as 256 - r0, so the product is taken as
*   -left * (256 - r0) + 256 * left: the multiplicand is -left and the first
*   part's multiplier r1 + 1.
* Cost, from the JSR to the return, as measured where the benchmark's driver
* places it (a taken branch that crosses a page costs one cycle more); it
* depends on right only: 66 cycles for a zero multiplier, 242 for
* 12345 * 100, 389 for 12345 * 4321, 124 for 65535 * 65535, 518 at most
* (right $81DF: 7 one bits in each part). 137 bytes.
*
ZMUL16HELPER EQU *
 STX DIVISOR_PRODUCT+4
 TSX
 LDA $0103,X	* r0
 CMP #$E0
 BCS mul16_negative
 STA QUOTIENT_FACTOR
 LDA $0106,X	* multiplicand: left
 STA DIVISOR_PRODUCT+1
 LDA $0105,X
 LDY $0104,X	* r1
* A holds the multiplicand's low byte, DIVISOR_PRODUCT+1 its high byte, Y
* the first part's multiplier, and the Z flag tells whether it is 0.
mul16_high EQU *
 BNE mul16_high_part
 STY BX
 STY BX+1
 BEQ mul16_next
mul16_add EQU *
 TAY
 CLC
 ADC BX
 STA BX
 LDA DIVISOR_PRODUCT+1
 ADC BX+1
 STA BX+1
 TYA
mul16_shift EQU *
 ASL A
 ROL DIVISOR_PRODUCT+1
mul16_next EQU *
 LSR QUOTIENT_FACTOR
 BCS mul16_add	* bit 1: add the shifted multiplicand
 BNE mul16_shift	* bit 0, more bits to come
 LDX DIVISOR_PRODUCT+4
 RTS
mul16_negative EQU *
 EOR #$FF
 ADC #0	* carry is set (CMP): 256 - r0, 32 at most
 STA QUOTIENT_FACTOR
 LDA #0	* multiplicand: -left
 SEC
 SBC $0105,X
 STA DIVISOR_PRODUCT
 LDA #0
 SBC $0106,X
 STA DIVISOR_PRODUCT+1
 LDA DIVISOR_PRODUCT
 LDY $0104,X
 INY	* r1 + 1
 JMP mul16_high
* BH = l0 * Y, BL = 0; then the second part with A restored.
mul16_high_part EQU *
 STA DIVISOR_PRODUCT
 LDA $0105,X
 CPY #$80
 BCC mul16_high_start
 EOR #$FF
 ADC #0	* carry is set (CPY): -l0
 STA DIVISOR_PRODUCT+3
 TYA
 EOR #$FF
 TAY
 INY	* -Y
 LDA DIVISOR_PRODUCT+3
mul16_high_start EQU *
 STA DIVISOR_PRODUCT+3
 STY DIVISOR_PRODUCT+2
 LDA #0
 BEQ mul16_high_next
mul16_high_add EQU *
 CLC
 ADC DIVISOR_PRODUCT+3
mul16_high_shift EQU *
 ASL DIVISOR_PRODUCT+3
mul16_high_next EQU *
 LSR DIVISOR_PRODUCT+2
 BCS mul16_high_add
 BNE mul16_high_shift
 STA BX+1
 LDA #0
 STA BX
 LDA DIVISOR_PRODUCT
 BCC mul16_next	* carry is clear
