#!/usr/bin/env python3
"""Benchmarks Quarn against the cc65 compiler on this machine and prints the
results as Markdown tables (also written to WORK/results.md).

usage: run.py [--build DIR] [--work DIR] [--quick] [SECTION...]

  --build DIR  the Quarn build to measure (default: <repository>/build, the
               release build of `make build`)
  --work DIR   scratch folder (default: DIR/bench)
  --quick      small sizes and few samples: checks that the benchmark runs,
               measures nothing worth reporting
  SECTION      throughput, codegen, helpers (default: all three)

Exit status 0 when every section ran and every program and helper call gave
the expected result; 1 otherwise. The speed and size targets are reported,
never asserted: they are measurements, not tests.
"""
import os
import sys

# The modules beside this script; no bytecode cache left in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import codegen  # noqa: E402
import common  # noqa: E402
import helpers  # noqa: E402
import throughput  # noqa: E402

SECTIONS = ('throughput', 'codegen', 'helpers')


def parse_arguments(argv):
    options = {'build': os.path.join(common.REPO, 'build'), 'work': None, 'quick': False,
               'sections': []}
    i = 0
    while i < len(argv):
        arg = argv[i]
        if arg in ('--build', '--work'):
            if i + 1 >= len(argv):
                sys.exit(__doc__)
            options[arg[2:]] = argv[i + 1]
            i += 1
        elif arg == '--quick':
            options['quick'] = True
        elif arg in SECTIONS:
            options['sections'].append(arg)
        else:
            sys.exit(__doc__)
        i += 1
    if not options['sections']:
        options['sections'] = list(SECTIONS)
    if options['work'] is None:
        options['work'] = os.path.join(options['build'], 'bench')
    return options


def main():
    options = parse_arguments(sys.argv[1:])
    setup = common.Setup(options['build'], options['work'])
    common.check_tools(setup, options['sections'])
    common.build_launcher(setup)
    parts = ['## Quarn against cc65%s\n' % (' (quick run: not a measurement)'
                                              if options['quick'] else '')]
    parts.append(common.table(['', ''], common.machine_facts()))
    parts.append('')
    correct = True
    for section in options['sections']:
        sys.stderr.write('bench: %s...\n' % section)
        if section == 'throughput':
            parts.append(throughput.run(setup, options['quick']))
        elif section == 'codegen':
            text, ok = codegen.run(setup, options['quick'])
            parts.append(text)
            correct = correct and ok
        else:
            text, ok = helpers.run(setup, options['quick'])
            parts.append(text)
            correct = correct and ok
        parts.append('')
    report = '\n'.join(parts)
    sys.stdout.write(report)
    with open(os.path.join(setup.work_dir, 'results.md'), 'w') as f:
        f.write(report)
    return 0 if correct else 1


if __name__ == '__main__':
    sys.exit(main())
