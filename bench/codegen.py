"""Generated code: the programs of bench/programs compiled by Quarn (default,
-O, -C, and -O and -O -C optimized by quarn-opt) and by cc65 (-O, -Oirs), run
on sim65. Cycles and code bytes side by side, with ratios against cc65 -Oirs,
a check that every build returns the same value, and what each of
quarn-opt's optimizations contributes (the -O build with that one switched
off).

Cycles are those of the whole run less those of an empty program built the
same way (`int main() { return 0; }`), so neither compiler's start-up and
exit counts; cc65's start-up work that grows with the program (clearing its
BSS) does count. Code bytes are the program's own instructions: for Quarn,
the bytes from the origin to the first runtime routine less the data the
program reserves (DS, DFB, DW, DD and the two trailer bytes); for cc65, the
CODE and RODATA segments of the program's module. Neither counts its runtime
library (Quarn's -C helpers, cc65's sim6502.lib)."""
import glob
import os
import re
import shutil

import common

QUARN_CONFIGURATIONS = (('Quarn', []), ('Quarn -O', ['-O']), ('Quarn -C', ['-C']))
# The optimized builds, in columns after the peer's.
OPT_CONFIGURATIONS = (('Quarn -O opt', ['--opt', '-O']), ('Quarn -O -C opt', ['--opt', '-O', '-C']))
# The build the targets are about, and the peer it is measured against.
OPTIMIZED = 'Quarn -O opt'
PEER = 'cc65 -Oirs'
# quarn-opt's optimizations, as its usage text lists them.
OPT_USAGE_LINE = re.compile(r'^  (\S+) ')
PEER_CONFIGURATIONS = (('cc65 -O', ['-O']), ('cc65 -Oirs', ['-Oirs']))
EMPTY_PROGRAM = 'int main()\n{\n    return 0;\n}\n'
# Labels of the runtime routines that the runner appends after the program.
RUNTIME_LABEL = re.compile(r'^al ([0-9A-F]+) \.(Z(?:MUL|DIV|MOD)(?:8|16|32)HELPER|q_start)$')
DATA_SIZES = {'DFB': 1, 'DW': 2, 'DD': 4}


class Build:
    def __init__(self, result, cycles, code_bytes):
        self.result = result
        self.cycles = cycles
        self.code_bytes = code_bytes


def quarn_data_bytes(asm_path):
    """Bytes of data in Quarn's output: reserved space, initialised objects
    and the trailer's signature bytes."""
    total = 0
    with open(asm_path, 'rb') as f:
        for line in f.read().decode('latin-1').splitlines():
            reserved = re.match(r'^\S+ DS (\d+)$', line)
            initialised = re.match(r'^\S+: (DFB|DW|DD) ', line)
            if reserved:
                total += int(reserved.group(1))
            elif initialised:
                total += DATA_SIZES[initialised.group(1)]
            elif re.match(r'^ DB ', line):
                total += 1
    return total


def quarn_build(setup, source, switches, keep):
    env = dict(os.environ, QUARN_BUILD_DIR=setup.build_dir)
    shutil.rmtree(keep, ignore_errors=True)
    status, output, errors = common.run(
        [os.path.join(common.REPO, 'tools', 'quarn-run'), '--keep', keep, source] + switches,
        env=env)
    if status != 0:
        common.fail('quarn-run %s %s failed:\n%s' % (source, ' '.join(switches), errors))
    result = int(re.search(r'result: (\d+)', output).group(1))
    cycles = int(re.search(r'cycles: (\d+)', output).group(1))
    origin = None
    first_runtime = None
    with open(os.path.join(keep, 'program.labels')) as f:
        for line in f:
            if line.startswith('al ') and line.split()[2] == '.__MAIN_START__':
                origin = int(line.split()[1], 16)
            match = RUNTIME_LABEL.match(line.strip())
            if match:
                address = int(match.group(1), 16)
                first_runtime = address if first_runtime is None else min(first_runtime, address)
    own = first_runtime - origin
    return Build(result, cycles, own - quarn_data_bytes(os.path.join(keep, 'program.asm')))


def peer_module_bytes(map_path, module):
    """CODE and RODATA bytes of one module in an ld65 map file."""
    total = 0
    current = None
    with open(map_path) as f:
        for line in f:
            if line.strip() == 'Segment list:':
                break
            if not line.startswith(' ') and line.rstrip().endswith(':'):
                current = line.rstrip()[:-1]
                continue
            fields = line.split()
            if current == module and fields and fields[0] in ('CODE', 'RODATA'):
                total += int(re.search(r'Size=([0-9A-Fa-f]+)', line).group(1), 16)
    return total


def peer_build(setup, source, switches, folder):
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    name = os.path.basename(source)
    shutil.copy(source, os.path.join(folder, name))
    status, _, errors = common.run(['cl65', '-t', 'sim6502'] + switches +
                                   ['-m', 'program.map', '-o', 'program.bin', name], cwd=folder)
    if status != 0:
        common.fail('cl65 %s %s failed:\n%s' % (' '.join(switches), name, errors))
    status, output, errors = common.run(['sim65', '-c', 'program.bin'], cwd=folder)
    cycles = re.search(r'(\d+) cycles', output)
    if cycles is None:
        common.fail('sim65 stopped on %s: %s' % (name, errors.strip()))
    code = peer_module_bytes(os.path.join(folder, 'program.map'), name[:-2] + '.o')
    return Build(status & 0xFF, int(cycles.group(1)), code)


def optimization_names(setup):
    """The names --disable takes, from quarn-opt's usage text."""
    _, _, usage = common.run([os.path.join(setup.build_dir, 'quarn-opt')])
    return [m.group(1) for m in map(OPT_USAGE_LINE.match, usage.splitlines()) if m]


def build_all(setup, source, tag):
    builds = {}
    for label, switches in QUARN_CONFIGURATIONS + OPT_CONFIGURATIONS:
        builds[label] = quarn_build(setup, source, switches,
                                    os.path.join(setup.work_dir, 'q-%s%s' % (tag, ''.join(switches))))
    for label, switches in PEER_CONFIGURATIONS:
        builds[label] = peer_build(setup, source, switches,
                                   os.path.join(setup.work_dir, 'c-%s%s' % (tag, ''.join(switches))))
    return builds


def run(setup, quick):
    programs = sorted(glob.glob(os.path.join(common.BENCH, 'programs', '*.c')))
    if quick:
        programs = programs[:2]
    empty_source = os.path.join(setup.work_dir, 'empty.c')
    with open(empty_source, 'w') as f:
        f.write(EMPTY_PROGRAM)
    empty = build_all(setup, empty_source, 'empty')
    labels = [label for label, _ in QUARN_CONFIGURATIONS + PEER_CONFIGURATIONS + OPT_CONFIGURATIONS]

    cycle_rows = []
    byte_rows = []
    mismatches = []
    ratios = {label: [] for label in labels}
    byte_totals = {label: 0 for label in labels}
    cycles_of = {label: [] for label in labels}
    bytes_of = {label: [] for label in labels}
    for source in programs:
        name = os.path.basename(source)[:-2]
        builds = build_all(setup, source, name)
        results = {builds[label].result for label in labels}
        if len(results) != 1:
            mismatches.append('%s: %s' % (name, ', '.join('%s %d' % (label, builds[label].result)
                                                          for label in labels)))
        cycles = {label: builds[label].cycles - empty[label].cycles for label in labels}
        for label in labels:
            cycles_of[label].append(cycles[label])
            bytes_of[label].append(builds[label].code_bytes)
        reference = cycles['cc65 -O']
        for label in labels:
            ratios[label].append(cycles[label] / reference)
            byte_totals[label] += builds[label].code_bytes
        cycle_rows.append([name, builds['cc65 -O'].result if len(results) == 1 else 'DIFFER']
                          + [cycles[label] for label in labels])
        byte_rows.append([name] + [builds[label].code_bytes for label in labels])

    def geometric_mean(values):
        product = 1.0
        for value in values:
            product *= value
        return product ** (1.0 / len(values))

    cycle_rows.append(['geometric mean vs cc65 -O', ''] +
                      ['%.2f' % geometric_mean(ratios[label]) for label in labels])
    peer_ratios = {label: [r / p for r, p in zip(ratios[label], ratios[PEER])] for label in labels}
    cycle_rows.append(['geometric mean vs %s' % PEER, ''] +
                      ['%.2f' % geometric_mean(peer_ratios[label]) for label in labels])
    cycle_rows.append(['slowest vs %s' % PEER, ''] +
                      ['%.2f' % max(peer_ratios[label]) for label in labels])
    byte_rows.append(['total'] + [byte_totals[label] for label in labels])
    byte_rows.append(['total vs cc65 -O'] +
                     ['%.2f' % (byte_totals[label] / byte_totals['cc65 -O']) for label in labels])
    byte_rows.append(['total vs %s' % PEER] +
                     ['%.2f' % (byte_totals[label] / byte_totals[PEER]) for label in labels])
    out = ['### Generated code\n']
    out.append('Programs in bench/programs, run on sim65. Cycles of the run less those of an '
               'empty program built the same way; the result is the byte main returns, the '
               'same for every build or the row says DIFFER. "opt": the output of quarn-opt.\n')
    out.append(common.table(['program', 'result'] + labels, cycle_rows))
    out.append('\nCode bytes of the program itself (data and runtime library excluded):\n')
    out.append(common.table(['program'] + labels, byte_rows))
    out.append('')
    if mismatches:
        out.append('RESULTS DIFFER: ' + '; '.join(mismatches))
    else:
        out.append('Every build of every program returned the same value.')
    out.append('')
    out.append(contributions(setup, programs, quick, geometric_mean,
                             {label: cycles_of[label] for label in (OPTIMIZED, PEER)},
                             {label: bytes_of[label] for label in (OPTIMIZED, PEER)}))
    return '\n'.join(out), not mismatches


def contributions(setup, programs, quick, geometric_mean, cycles, code_bytes):
    """What each optimization contributes: the -O build optimized with that
    one switched off, against the build with all of them (cycles as the
    geometric mean of the ratios to cc65 -Oirs, code bytes as the total)."""
    names = optimization_names(setup)
    if quick:
        names = names[:2]
    base_cycles = geometric_mean([c / p for c, p in zip(cycles[OPTIMIZED], cycles[PEER])])
    base_bytes = sum(code_bytes[OPTIMIZED])
    rows = [['(all)', '%.3f' % base_cycles, '', base_bytes, '']]
    for name in names:
        switches = ['--disable=' + name, '-O']
        empty_build = quarn_build(setup, os.path.join(setup.work_dir, 'empty.c'), switches,
                                  os.path.join(setup.work_dir, 'q-empty-without-' + name))
        ratios = []
        total = 0
        for source, peer in zip(programs, cycles[PEER]):
            program = os.path.basename(source)[:-2]
            build = quarn_build(setup, source, switches,
                                os.path.join(setup.work_dir, 'q-%s-without-%s' % (program, name)))
            ratios.append((build.cycles - empty_build.cycles) / peer)
            total += build.code_bytes
        without = geometric_mean(ratios)
        rows.append([name, '%.3f' % without, '%+.1f%%' % (100 * (without / base_cycles - 1)),
                     total, '%+d' % (total - base_bytes)])
    return '\n'.join([
        '### What each optimization contributes\n',
        'The -O build optimized with one optimization switched off (quarn-opt --disable=NAME): '
        'the geometric mean of its cycles against %s, and its total code bytes, each with how '
        'much more than with every optimization.\n' % PEER,
        common.table(['switched off', 'cycles vs %s' % PEER, 'cycles more', 'code bytes',
                      'bytes more'], rows)])
