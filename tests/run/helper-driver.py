#!/usr/bin/env python3
"""Writes a test driver, in the compiler's assembly dialect, for the runtime
routines of helper-call mode. Run it through `quarn-run --asm`: the driver's
main returns 0 when every case matched, or the number of the first failing
check (see FAILURES below).

usage: helper-driver.py 8|16|32 [cases] [seed]

  8   every pair of one-byte operands, against references that the driver
      keeps by counting (product += b, remainder and quotient by steps of 1)
  16  the edges (0, 1, 2, 3, bytes and words around the powers of two, 65535)
      paired with each other, then for every divisor width dividends whose
      quotient is the largest one, all ones, alternating bits or random, with
      remainders 0, the largest and random, then `cases` random pairs, all
      against a table computed here
  32  the same with four-byte operands and their own edges

Every call is made exactly as the compiler's call sequence makes it: the
operands pushed high byte first (for four bytes, the left operand's words as
the caller saves them, word 2 then word 0, then the right operand's word 0
and word 2), the argument bytes popped after the call, and for four bytes
the result pulled back from the saved left operand; X is checked to be kept.
"""
import random
import sys

HEADER = """* Quarnel Output

DIVISOR_PRODUCT EQU $E0
QUOTIENT_FACTOR EQU $E8
DIVIDEND_REMAINDER EQU $EC
N EQU $F0
BP EQU $F0\t* ix
BX EQU $F2\t* hl
BL EQU BX
BH EQU BX+1
CX EQU $F4\t* bc
CL EQU CX
CH EQU CX+1
DX EQU $F6\t* de
DL EQU DX
DH EQU DX+1
AX EQU $F8\t* iy
AL EQU AX
AH EQU AX+1
RAB EQU $FA
R2A EQU RAB
R2B EQU RAB+1
RCD EQU $FC
R2C EQU RCD
R2D EQU RCD+1
REF EQU $FE
R2E EQU REF
R2F EQU REF+1

 ORG $2000
 JMP ZMAIN
* Driver state in page zero, below the register block.
PTR EQU $00
COUNT EQU $02
XSAVE EQU $04
OPA EQU $05
OPB EQU $06
REFP EQU $07
REFQ EQU $08
REFR EQU $09
* 
ZMAIN EQU *
 TXA
 PHA
 TSX
"""

TRAILER = """ LDA #0
 STA BL
DONE EQU *
 TXS
 PLA
 TAX
 RTS
FAILX EQU *
 LDX XSAVE
 LDA #100
 STA BL
 JMP DONE
"""

# Exit values: the first check that failed.
FAILURES = {'MUL': 1, 'DIV': 2, 'MOD': 3}
FAIL_X = 100

EDGES16 = [0, 1, 2, 3, 127, 128, 129, 255, 256, 257, 4095, 32767, 32768, 32769, 65280, 65534,
           65535]
EDGES32 = [0, 1, 2, 127, 128, 129, 255, 256, 257, 32767, 32768, 65535, 65536, 65537, 0xFFFFFF,
           0x1000000, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFE, 0xFFFFFFFF]


def fail_label(width, op):
    return 'FAIL%s%d' % (op, width)


label_number = [0]


def far_bne(target):
    """BNE with an unlimited reach: the driver's loops are longer than a
    branch can span."""
    label_number[0] += 1
    return ' BEQ OK%d\n JMP %s\nOK%d EQU *\n' % (label_number[0], target, label_number[0])


def failure_blocks(width):
    text = ''
    for op, number in FAILURES.items():
        text += '%s EQU *\n LDA #%d\n STA BL\n JMP DONE\n' % (fail_label(width, op), number + 10 * (width // 8))
    return text


def exhaustive8():
    text = """ LDA #0
 STA OPB
OUTER8 EQU *
 LDA #0
 STA OPA
 STA REFP
 STA REFR
 STA REFQ
 LDA OPB
 BNE INNER8
 DEC REFQ
INNER8 EQU *
"""
    for op, reference in (('MUL', 'REFP'), ('DIV', 'REFQ'), ('MOD', 'REFR')):
        text += """ STX XSAVE
 LDA OPA
 PHA
 LDA OPB
 PHA
 JSR Z%s8HELPER
 PLA
 PLA
 CPX XSAVE
""" % op + far_bne('FAILX') + """ LDA BL
 CMP %s
""" % reference + far_bne(fail_label(8, op))
    text += """ LDA REFP
 CLC
 ADC OPB
 STA REFP
 INC REFR
 LDA REFR
 CMP OPB
 BNE NEXT8
 LDA #0
 STA REFR
 INC REFQ
NEXT8 EQU *
 INC OPA
""" + far_bne('INNER8') + """ INC OPB
""" + far_bne('OUTER8')
    return text + TRAILER + failure_blocks(8)


def quotient_pairs(bits, generator):
    """Dividends built from a quotient and a remainder, for divisors of every
    width: so that the division meets quotients with every bit pattern, the
    largest remainders and divisors whose shifted remainder overflows."""
    mask = (1 << bits) - 1
    result = []
    for width in range(1, bits + 1):
        top = 1 << (width - 1)
        divisors = [top, 2 * top - 1] + [top | generator.getrandbits(width - 1) for _ in range(3)]
        for number, b in enumerate(divisors):
            largest = mask // b
            quotients = [largest, largest & 0x55555555, largest & 0xAAAAAAAA,
                         generator.randint(0, largest)]
            for q in quotients:
                remainder = [0, b - 1, generator.randrange(b)][number % 3]
                a = q * b + remainder
                if a > mask:
                    a = q * b
                result.append((a, b))
    return result


def pairs(edges, bits, count, seed):
    generator = random.Random(seed)
    result = [(a, b) for a in edges for b in edges]
    result += quotient_pairs(bits, generator)
    for _ in range(count):
        # Mix the sizes, so that small quotients and small divisors both occur.
        a = generator.getrandbits(generator.randint(1, bits))
        b = generator.getrandbits(generator.randint(1, bits))
        result.append((a, b))
    return result


def expected(a, b, bits):
    mask = (1 << bits) - 1
    if b == 0:
        return (a * b) & mask, mask, a
    return (a * b) & mask, a // b, a % b


def table(name, cases, bits):
    size = bits // 8
    lines = ['%s EQU *' % name]
    for a, b in cases:
        values = (a, b) + expected(a, b, bits)
        data = []
        for value in values:
            data += [(value >> (8 * i)) & 0xFF for i in range(size)]
        lines += [' DFB %d' % byte for byte in data]
    return '\n'.join(lines) + '\n'


def table_loop(bits, cases):
    size = bits // 8
    record = 5 * size
    text = """ LDA #>TABLE
 STA PTR
 LDA #<TABLE
 STA PTR+1
 LDA #>%d
 STA COUNT
 LDA #<%d
 STA COUNT+1
LOOP EQU *
""" % (len(cases), len(cases))
    for index, op in enumerate(('MUL', 'DIV', 'MOD')):
        result_offset = (2 + index) * size
        text += ' STX XSAVE\n'
        if size == 2:
            # left high, left low, right high, right low
            for offset in (1, 0, 3, 2):
                text += ' LDY #%d\n LDA (PTR),Y\n PHA\n' % offset
            text += ' JSR Z%s16HELPER\n PLA\n PLA\n PLA\n PLA\n CPX XSAVE\n' % op
            text += far_bne('FAILX')
            for offset, register in ((0, 'BX'), (1, 'BX+1')):
                text += ' LDY #%d\n LDA (PTR),Y\n CMP %s\n' % (result_offset + offset, register)
                text += far_bne(fail_label(bits, op))
        else:
            # The save loop pushes the left operand's word 2 and then word 0
            # (high byte first); the arguments are the right operand's word 0
            # and then word 2.
            for offset in (3, 2, 1, 0, 5, 4, 7, 6):
                text += ' LDY #%d\n LDA (PTR),Y\n PHA\n' % offset
            text += ' JSR Z%s32HELPER\n PLA\n PLA\n PLA\n PLA\n CPX XSAVE\n' % op
            text += far_bne('FAILX')
            # The restore pulls word 0 (low byte first), then word 2; on a
            # mismatch DONE drops what is left on the stack.
            for offset in range(4):
                text += ' PLA\n LDY #%d\n CMP (PTR),Y\n' % (result_offset + offset)
                text += far_bne(fail_label(bits, op))
    text += """ LDA PTR
 CLC
 ADC #%d
 STA PTR
 BCC COUNTDOWN
 INC PTR+1
COUNTDOWN EQU *
 LDA COUNT
 BNE LOWONLY
 DEC COUNT+1
LOWONLY EQU *
 DEC COUNT
 LDA COUNT
 ORA COUNT+1
 BEQ PASSED
 JMP LOOP
PASSED EQU *
""" % record
    text += TRAILER + failure_blocks(bits)
    return text + table('TABLE', cases, bits)


def main():
    if len(sys.argv) < 2 or sys.argv[1] not in ('8', '16', '32'):
        sys.exit(__doc__)
    bits = int(sys.argv[1])
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 0
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else 1
    sys.stdout.write(HEADER)
    if bits == 8:
        sys.stdout.write(exhaustive8())
    elif bits == 16:
        sys.stdout.write(table_loop(16, pairs(EDGES16, 16, count, seed)))
    else:
        sys.stdout.write(table_loop(32, pairs(EDGES32, 32, count, seed)))
    sys.stdout.write(' DB 81\n DB 88\n* \n* END * ZMAIN\n')


if __name__ == '__main__':
    main()
