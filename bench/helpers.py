"""Runtime helpers: cycles per call of each of the nine multiply, divide and
modulo routines of helper-call mode, over a fixed sample of operands.

For every routine and operand pair a driver in the compiler's assembly
dialect pushes the operands exactly as the compiler's call sequence does,
calls the routine once, pops the arguments and returns the low byte of the
result from main. The same driver without the JSR runs too; the difference
in simulator cycles is the cost of the call from the JSR to the return. The
returned byte is checked against the product, quotient or remainder computed
here, so a routine that costs little because it computes the wrong thing is
caught."""
import os
import re

import common

SAMPLES = {
    8: [(0, 7), (1, 255), (13, 13), (37, 101), (100, 3), (128, 2), (200, 7), (255, 255)],
    16: [(50, 3), (300, 200), (1000, 7), (12345, 100), (12345, 4321), (40000, 256),
         (65535, 1), (65535, 65535)],
    32: [(1, 1), (65536, 3), (100000, 70000), (1000000, 37), (123456789, 1000),
         (987654321, 12345), (0x7FFFFFFF, 2), (0xFFFFFFFF, 0xFFFFFFFF)],
}
OPERATIONS = ('MUL', 'DIV', 'MOD')
QUICK_SAMPLES = 2


def expected(operation, left, right, bits):
    mask = (1 << bits) - 1
    if operation == 'MUL':
        return (left * right) & mask
    if right == 0:
        return mask if operation == 'DIV' else left
    return left // right if operation == 'DIV' else left % right


def byte(value, number):
    return (value >> (8 * number)) & 0xFF


def call_sequence(bits, left, right, routine, with_call):
    """The pushes, the call and the pops of one call, leaving the result's
    low byte in BL."""
    lines = []
    if bits == 8:
        pushes = [left, right]
    elif bits == 16:
        pushes = [byte(left, 1), byte(left, 0), byte(right, 1), byte(right, 0)]
    else:
        # The left operand's word 2 and then word 0, high bytes first, as the
        # caller saves them; then the right operand's word 0 and word 2.
        pushes = [byte(left, 3), byte(left, 2), byte(left, 1), byte(left, 0),
                  byte(right, 1), byte(right, 0), byte(right, 3), byte(right, 2)]
    for value in pushes:
        lines += [' LDA #%d' % value, ' PHA']
    if with_call:
        lines.append(' JSR %s' % routine)
    argument_bytes = 2 if bits == 8 else 4
    lines += [' PLA'] * argument_bytes
    if bits == 32:
        # The result is the saved left operand: its low byte comes first.
        lines += [' PLA', ' STA BL', ' PLA', ' PLA', ' PLA']
    return '\n'.join(lines) + '\n'


def header(setup):
    """The compiler's own header, origin and start jump, taken from its output
    for an empty program, so the driver uses the register block as compiled
    programs do."""
    source = os.path.join(setup.work_dir, 'helper-empty.c')
    output = source[:-2] + '.asm'
    with open(source, 'w') as f:
        f.write('int main()\n{\n    return 0;\n}\n')
    status, _, errors = common.run([setup.quarn, os.path.relpath(source, '/'),
                                    os.path.relpath(output, '/')], cwd='/')
    if status != 0:
        common.fail('compiling an empty program failed: ' + errors)
    with open(output) as f:
        text = f.read()
    match = re.search(r'^ JMP ZMAIN\n', text, re.MULTILINE)
    if match is None:
        common.fail('no start jump in the compiler output')
    return text[:match.end()]


def cycles_of(setup, driver_header, body, name):
    path = os.path.join(setup.work_dir, name + '.asm')
    with open(path, 'w') as f:
        f.write(driver_header + 'ZMAIN EQU *\n' + body + ' RTS\n DB 81\n DB 88\n')
    env = dict(os.environ, QUARN_BUILD_DIR=setup.build_dir)
    status, output, errors = common.run(
        [os.path.join(common.REPO, 'tools', 'quarn-run'), '--asm', path], env=env)
    if status != 0:
        common.fail('running the helper driver %s failed:\n%s' % (path, errors))
    os.remove(path)
    return (int(re.search(r'result: (\d+)', output).group(1)),
            int(re.search(r'cycles: (\d+)', output).group(1)))


def run(setup, quick):
    driver_header = header(setup)
    rows = []
    wrong = []
    for bits in (8, 16, 32):
        samples = SAMPLES[bits][:QUICK_SAMPLES] if quick else SAMPLES[bits]
        # Pushing immediates costs the same whatever the operands: one run
        # without the call serves every sample of a width.
        _, base = cycles_of(setup, driver_header,
                            call_sequence(bits, 0, 0, None, False), 'helper-base%d' % bits)
        for operation in OPERATIONS:
            routine = 'Z%s%dHELPER' % (operation, bits)
            costs = []
            for left, right in samples:
                result, cycles = cycles_of(setup, driver_header,
                                           call_sequence(bits, left, right, routine, True),
                                           'helper-%s' % routine)
                if result != expected(operation, left, right, bits) & 0xFF:
                    wrong.append('%s(%d, %d) returned low byte %d' % (routine, left, right, result))
                costs.append((cycles - base, left, right))
            low = min(costs)
            high = max(costs)
            mean = sum(cost for cost, _, _ in costs) / len(costs)
            rows.append([routine, len(costs), low[0], '%.0f' % mean, high[0],
                         '%d, %d' % (low[1], low[2]), '%d, %d' % (high[1], high[2])])
    out = ['### Runtime helpers (-C)\n']
    out.append('Cycles of one call, from the JSR to the return, over a fixed sample of '
               'operands (bench/helpers.py); the operands are pushed as the compiler pushes '
               'them and the returned low byte is checked.\n')
    out.append(common.table(['routine', 'samples', 'min', 'mean', 'max', 'cheapest operands',
                             'dearest operands'], rows))
    out.append('')
    if wrong:
        out.append('WRONG RESULTS: ' + '; '.join(wrong))
    else:
        out.append('Every call returned the expected low byte.')
    return '\n'.join(out), not wrong
