#!/usr/bin/env python3
"""Writes the fuzzing seeds: every C source of the tests and the examples,
with the sections of split files apart and the test's own comment lines
(RUN, CHECK, the description) dropped, so that each seed is only the program
the compiler is meant to read. Usage: make-seeds.py REPO OUTDIR"""
import pathlib
import sys

repo = pathlib.Path(sys.argv[1])
out = pathlib.Path(sys.argv[2])
out.mkdir(parents=True, exist_ok=True)
# Seeds past this size slow every execution and add little the small ones lack.
MAX_SEED_BYTES = 4096

sources = sorted(repo.glob('tests/**/*.c')) + sorted(repo.glob('examples/*.c'))
count = 0
for path in sources:
    if 'unit' in path.parts or 'tools-lit' in path.parts:
        continue
    data = path.read_bytes()
    # A split file holds several programs after "//--- name" lines.
    sections = [[]]
    for line in data.splitlines(keepends=True):
        if line.startswith(b'//--- '):
            sections.append([])
        elif not line.lstrip().startswith(b'//'):
            sections[-1].append(line)
    for lines in sections:
        text = b''.join(lines)
        if not text.strip() or len(text) > MAX_SEED_BYTES:
            continue
        count += 1
        (out / f'seed{count:04d}.c').write_bytes(text)
print(f'{count} seeds in {out}')
