"""Compile throughput: generated sources of several sizes compiled by Quarn,
by cc65 and by cc65 -O (C to assembly text, nothing assembled), with the CPU
time, peak memory and instruction count of each."""
import os
import re

import common
import gen_source

SIZES = (2000, 8000, 32000)
QUICK_SIZES = (500, 2000)
# Runs per command; the cheapest counts. cc65 -O is slow and runs fewer times.
QUARN_RUNS = 11
PEER_RUNS = 11
PEER_OPTIMIZED_RUNS = 3
# The search for the size where cc65 -O stops ends at this many lines.
LIMIT_STEP_LINES = 250
# The floor the figures are held against: at the sizes of FLOOR_SIZES, at
# least FLOOR_FEWER_INSTRUCTIONS times fewer instructions than cc65 without
# -O, and a peak under FLOOR_PEAK_KB at every size.
FLOOR_SIZES = (8000, 32000)
FLOOR_FEWER_INSTRUCTIONS = 6.0
FLOOR_PEAK_KB = 8 * 1024
# Instructions per line may grow this much from the smallest to the largest
# size before the growth counts as more than linear.
LINEAR_TOLERANCE = 0.10


def source_path(setup, lines):
    return os.path.join(setup.work_dir, 'source%d.c' % lines)


def write_source(setup, lines):
    path = source_path(setup, lines)
    with open(path, 'w') as f:
        f.write(gen_source.generate(lines))
    return path


def quarn_command(setup, path):
    # The compiler reads an argument that begins with / as a switch: it runs
    # from / with relative paths. Its output goes to a file like cc65's.
    return [setup.quarn, os.path.relpath(path, '/'), os.path.relpath(path[:-2] + '.asm', '/')]


def peer_command(path, optimize):
    return ['/usr/bin/cc65', '-t', 'sim6502'] + (['-O'] if optimize else []) + \
        [os.path.basename(path), '-o', os.path.basename(path)[:-2] + '.s']


def peer_optimized_limit(setup, passing, failing):
    """The smallest generated size, to LIMIT_STEP_LINES, at which cc65 -O
    fails, between a size that passes and one that fails; and its message."""
    message = ''
    while failing - passing > LIMIT_STEP_LINES:
        middle = (passing + failing) // 2
        path = write_source(setup, middle)
        status, _, errors = common.run(peer_command(path, True), cwd=setup.work_dir)
        if status == 0:
            passing = middle
        else:
            failing = middle
            # "file(line): Internal compiler error:" and the reason on the
            # next line; what follows "Input:" is the offending source line.
            text = re.sub(r'^\S+\(\d+\): ', '', errors.split('Input:')[0], flags=re.MULTILINE)
            message = ' '.join(line.strip() for line in text.splitlines()
                               if line.strip() and 'warning' not in line.lower())
        os.remove(path)
    return failing, message


def measure_size(setup, lines):
    path = write_source(setup, lines)
    with open(path) as f:
        actual = sum(1 for _ in f)
    row = {'size': lines, 'lines': actual}
    row['quarn'], row['peer'], row['peer_o'] = common.measure_interleaved(setup, [
        (quarn_command(setup, path), '/', QUARN_RUNS),
        (peer_command(path, False), setup.work_dir, PEER_RUNS),
        (peer_command(path, True), setup.work_dir, PEER_OPTIMIZED_RUNS)])
    if row['quarn'].status != 0:
        common.fail('Quarn ended with status %d on %s' % (row['quarn'].status, path))
    row['quarn_ir'], _ = common.instruction_count(setup, quarn_command(setup, path), '/')
    row['peer_ir'], peer_status = common.instruction_count(setup, peer_command(path, False),
                                                           setup.work_dir)
    if peer_status != 0:
        row['peer_ir'] = None
    return row


def cpu_ms(cost):
    if cost.status != 0:
        return 'fails (status %d)' % cost.status
    return '%.1f' % (cost.cpu * 1000)


def speedup(peer, quarn):
    if peer.status != 0:
        return '-'
    return common.ratio(peer.cpu, quarn.cpu)


def run(setup, quick):
    sizes = QUICK_SIZES if quick else SIZES
    rows = [measure_size(setup, lines) for lines in sizes]
    out = []
    out.append('### Compile throughput\n')
    out.append('Generated sources (bench/gen_source.py), C to assembly text. CPU time is '
               'user + system of the cheapest of %d runs (cc65: %d, cc65 -O: %d), the '
               'compilers taking turns; peak is the largest resident size of the compiler '
               'process; Ir is the instruction count under callgrind, which no other load '
               'on the machine disturbs.\n'
               % (QUARN_RUNS, PEER_RUNS, PEER_OPTIMIZED_RUNS))
    header = ['lines', 'Quarn ms', 'cc65 ms', 'cc65/Quarn', 'cc65 -O ms', 'cc65 -O/Quarn',
              'Quarn peak KB', 'cc65 peak KB', 'cc65 -O peak KB',
              'Quarn Ir/line', 'cc65 Ir/line', 'cc65/Quarn Ir']
    table_rows = []
    for row in rows:
        lines = row['lines']
        peer_ir = row['peer_ir']
        table_rows.append([
            lines, cpu_ms(row['quarn']), cpu_ms(row['peer']), speedup(row['peer'], row['quarn']),
            cpu_ms(row['peer_o']), speedup(row['peer_o'], row['quarn']),
            row['quarn'].peak_kb, row['peer'].peak_kb, row['peer_o'].peak_kb,
            '%.0f' % (row['quarn_ir'] / lines),
            '%.0f' % (peer_ir / lines) if peer_ir else '-',
            common.ratio(peer_ir, row['quarn_ir'])])
    out.append(common.table(header, table_rows))
    out.append('')

    # Growth: instructions per line from the smallest to the largest size.
    first, last = rows[0], rows[-1]
    per_line_first = first['quarn_ir'] / first['lines']
    per_line_last = last['quarn_ir'] / last['lines']
    growth = per_line_last / per_line_first - 1
    linear = growth <= LINEAR_TOLERANCE
    out.append('Growth: Quarn executes %.0f instructions per line at %d lines and %.0f at %d '
               'lines (%+.1f%%): %s.' % (per_line_first, first['lines'], per_line_last,
                                         last['lines'], growth * 100,
                                         'linear' if linear else 'MORE THAN LINEAR'))

    # Where cc65 -O stops, if it stops within the sizes measured.
    passing = [row['lines'] for row in rows if row['peer_o'].status == 0]
    failing = [row['lines'] for row in rows if row['peer_o'].status != 0]
    if failing and not quick:
        low = max([lines for lines in passing if lines < min(failing)] or [0])
        limit, message = peer_optimized_limit(setup, low, min(failing))
        plain = ('cc65 without -O compiles every size.'
                 if all(row['peer'].status == 0 for row in rows) else
                 'cc65 without -O fails too (see the table).')
        out.append('cc65 -O fails on the generated source from about %d lines on (%s); %s'
                   % (limit, message or 'no message', plain))

    # The floor. It is held by instruction count, which does not depend on
    # the load of the machine; CPU time, which also holds the start of the
    # process and the writing of the output, is reported beside it.
    floor_rows = [row for row in rows if row['size'] in FLOOR_SIZES]
    ir_ratios = [row['peer_ir'] / row['quarn_ir'] for row in floor_rows if row['peer_ir']]
    cpu_ratios = [row['peer'].cpu / row['quarn'].cpu for row in floor_rows
                  if row['peer'].status == 0]
    peak = max(row['quarn'].peak_kb for row in rows)
    floor = 'at least %g times fewer instructions than cc65 without -O at %s lines' % (
        FLOOR_FEWER_INSTRUCTIONS, ' and '.join(str(lines) for lines in FLOOR_SIZES))
    if not floor_rows:
        out.append('Floor "%s": not measured in a quick run.' % floor)
    elif not ir_ratios or not cpu_ratios:
        common.fail('cc65 compiled none of the sources: no ratio to report')
    else:
        out.append('Floor "%s": %s (%s; CPU time %.1f to %.1f times less).'
                   % (floor, 'met' if min(ir_ratios) >= FLOOR_FEWER_INSTRUCTIONS else 'NOT met',
                      ', '.join('%.1f at %d lines' % (row['peer_ir'] / row['quarn_ir'], row['lines'])
                                for row in floor_rows if row['peer_ir']),
                      min(cpu_ratios), max(cpu_ratios)))
    out.append('Floor "under 8 MB peak memory": %s (largest peak %d KB).'
               % ('met' if peak < FLOOR_PEAK_KB else 'NOT met', peak))
    out.append('Floor "linear growth": %s.' % ('met' if linear else 'NOT met'))
    for lines in sizes:
        for suffix in ('.c', '.asm', '.s'):
            path = source_path(setup, lines)[:-2] + suffix
            if os.path.exists(path):
                os.remove(path)
    return '\n'.join(out)
