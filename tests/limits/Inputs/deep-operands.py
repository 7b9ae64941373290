#!/usr/bin/env python3
"""Right-nested expressions that keep one more temporary live per level.

  deep-operands.py program TYPE OP DEPTH VALUE
      a program whose main returns  a OP (a OP ( ... a))  with DEPTH
      operators, a being a file-level TYPE variable initialised with VALUE
  deep-operands.py expect TYPE OP DEPTH VALUE
      the line "result: N" that the program must print on the simulator: N
      is the low byte of the value computed as the language defines it
      (unsigned arithmetic in the width of TYPE, a divisor of 0 giving all
      one bits and a remainder equal to the dividend, a shift count taken
      from its low byte, a count of 0 shifting 256 times)
  deep-operands.py sweep DIR FITS COMPILER...
      for every two-operand operator on char and int: compiles the program
      with FITS levels, which must succeed (status 0, or 1 for a warning),
      and with one level more, which must stop with status 2; prints one
      line for each operator that behaves otherwise, then a summary with
      the message of the last refusal
"""
import os
import subprocess
import sys

OPERATORS = ['+', '-', '&', '|', '^', '*', '/', '%', '<<', '>>',
             '==', '!=', '<', '<=', '>', '>=', '&&', '||']

WIDTH_BITS = {'char': 8, 'int': 16}


def apply(op, left, right, bits):
    mask = (1 << bits) - 1
    if op == '+':
        value = left + right
    elif op == '-':
        value = left - right
    elif op == '&':
        value = left & right
    elif op == '|':
        value = left | right
    elif op == '^':
        value = left ^ right
    elif op == '*':
        value = left * right
    elif op == '/':
        value = mask if right == 0 else left // right
    elif op == '%':
        value = left if right == 0 else left % right
    elif op in ('<<', '>>'):
        count = (right & 0xFF) or 256
        value = left << count if op == '<<' else left >> count
    else:
        sys.exit('no model for ' + op)
    return value & mask


def program(type_, op, depth, start):
    text = 'a'
    for _ in range(depth):
        text = 'a %s (%s)' % (op, text)
    return '%s a = %d;\nint main()\n{\n    return %s;\n}\n' % (type_, start, text)


def compile_status(directory, compiler, source_text):
    source = os.path.join(directory, 'deep.c')
    with open(source, 'w') as f:
        f.write(source_text)
    result = subprocess.run(compiler + [source, os.path.join(directory, 'deep.asm')],
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    lines = result.stderr.strip().splitlines()
    return result.returncode, lines[-1] if lines else ''


def sweep(directory, fits, compiler):
    count = 0
    message = ''
    for type_ in WIDTH_BITS:
        for op in OPERATORS:
            count += 1
            status, last = compile_status(directory, compiler, program(type_, op, fits, 1))
            if status not in (0, 1):
                print('%s %s: %d levels give status %d: %s' % (type_, op, fits, status, last))
            status, last = compile_status(directory, compiler, program(type_, op, fits + 1, 1))
            if status != 2:
                print('%s %s: %d levels give status %d: %s' % (type_, op, fits + 1, status, last))
            message = last
    print('%d operators: %d levels fit, %d stop with %s' % (count, fits, fits + 1, message))


mode = sys.argv[1]
if mode == 'sweep':
    sweep(sys.argv[2], int(sys.argv[3]), sys.argv[4:])
    sys.exit(0)
type_, op, depth, start = sys.argv[2], sys.argv[3], int(sys.argv[4]), int(sys.argv[5])
if mode == 'program':
    sys.stdout.write(program(type_, op, depth, start))
elif mode == 'expect':
    bits = WIDTH_BITS[type_]
    a = start & ((1 << bits) - 1)
    value = a
    for _ in range(depth):
        value = apply(op, a, value, bits)
    print('result: %d' % (value & 0xFF))
else:
    sys.exit('unknown mode ' + mode)
