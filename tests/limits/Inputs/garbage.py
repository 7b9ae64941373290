#!/usr/bin/env python3
"""Feeds the compiler inputs that are not C and checks how every run ends.

  garbage.py DIR COUNT COMPILER...

Writes COUNT inputs of each kind into DIR, from a fixed seed, compiles each
and prints one line for every run that ends with a status other than 0, 1
or 2 (a crash, a sanitizer report, a hang past ten seconds), then a summary.
Kinds: random bytes; random printable text; random bytes inside a function
body; a run of keyword and operator tokens in random order; the bytes 0 to
255 in order.
"""
import os
import random
import subprocess
import sys

TOKENS = ('{ } [ ] ( ) ; : ... + - * / % ^ & | ~ ! = < > << >> == != <= >= && || , '
          'asm auto bool char const do else for goto if int return short signed '
          'static struct unsigned void volatile while inp inpw outp outpw x y main '
          '0 1 255 65535 0x 017 1.5 2147483648').split()
TIMEOUT_SECONDS = 10


def inputs(rng, count):
    for i in range(count):
        yield 'bytes%d.c' % i, bytes(rng.randrange(256) for _ in range(rng.randrange(1, 400)))
        text = ''.join(chr(rng.randrange(32, 127)) for _ in range(rng.randrange(1, 400)))
        yield 'text%d.c' % i, text.encode()
        inner = bytes(rng.randrange(256) for _ in range(rng.randrange(1, 200)))
        yield 'body%d.c' % i, b'char x; int main()\n{\n' + inner + b'\n}\n'
        tokens = ' '.join(rng.choice(TOKENS) for _ in range(rng.randrange(1, 80)))
        yield 'tokens%d.c' % i, tokens.encode()
    yield 'allbytes.c', bytes(range(256))


def main():
    directory, count, compiler = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
    rng = random.Random(6502)
    runs = 0
    for name, data in inputs(rng, count):
        path = os.path.join(directory, name)
        with open(path, 'wb') as f:
            f.write(data)
        runs += 1
        try:
            result = subprocess.run(compiler + [path, os.path.join(directory, 'out.asm')],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                    timeout=TIMEOUT_SECONDS)
        except subprocess.TimeoutExpired:
            print('%s: no end after %d seconds' % (name, TIMEOUT_SECONDS))
            continue
        if result.returncode not in (0, 1, 2):
            last = result.stderr.decode(errors='replace').strip().splitlines()
            print('%s: status %d: %s' % (name, result.returncode, last[0] if last else ''))
    print('%d inputs compiled, every run ended with status 0, 1 or 2 unless listed above' % runs)


main()
