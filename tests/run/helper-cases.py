#!/usr/bin/env python3
"""Writes a C program that checks multiplication, division and modulo (the
runtime routines when it is compiled with -C) of one, two and four bytes: the
edges of each width paired with each other, then `count` random pairs, against
values computed here. main returns 0, or the width in bits of the first wrong
result. usage: helper-cases.py count seed"""
import random
import string
import sys

PROGRAM = '''unsigned int *t;       // the next case: a, b, product, quotient, remainder
struct {} qa[2];
struct {} qb[2];
struct {} sixteen[2];
int main()
{
    int n;
    asm LDA #>ZCASESZDATA
    asm STA T
    asm LDA #<ZCASESZDATA
    asm STA T+1
    for (n = $count8; n != 0; n = n - 1) {
        if (char(*t) * char(*(t + 2)) != char(*(t + 4)) || (char(*t) / char(*(t + 2)) != char(*(t + 6)))
            || (char(*t) % char(*(t + 2)) != char(*(t + 8)))) return 8;
        t = t + 10;
    }
    for (n = $count16; n != 0; n = n - 1) {
        if (*t * *(t + 2) != *(t + 4) || (*t / *(t + 2) != *(t + 6)) || (*t % *(t + 2) != *(t + 8))) return 16;
        t = t + 10;
    }
    asm LDA #16
    asm STA SIXTEEN
    for (n = $count32; n != 0; n = n - 1) {
        asm LDA T
        asm STA DX
        asm LDA T+1
        asm STA DX+1
        asm LDY #7
copy:
        asm LDA (DX),Y
        asm STA QA,Y
        asm DEY
        asm BPL ZCOPYZMAIN
        if (int(*qa * *qb) != *(t + 8) || (int((*qa * *qb) >> *sixteen) != *(t + 10))) return 32;
        if (int(*qa / *qb) != *(t + 12) || (int((*qa / *qb) >> *sixteen) != *(t + 14))) return 32;
        if (int(*qa % *qb) != *(t + 16) || (int((*qa % *qb) >> *sixteen) != *(t + 18))) return 32;
        t = t + 20;
    }
    return 0;
}
void data()
{
cases:
'''
EDGES = {8: [0, 1, 127, 128, 255], 16: [0, 1, 255, 256, 32767, 32768, 65535],
         32: [0, 1, 255, 256, 65535, 65536, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF]}
count, generator = int(sys.argv[1]), random.Random(int(sys.argv[2]))
data = []
for bits in (8, 16, 32):
    pairs = [(a, b) for a in EDGES[bits] for b in EDGES[bits]]
    # Mixed sizes, so that small quotients and small divisors both occur.
    pairs += [(generator.getrandbits(generator.randint(1, bits)),
               generator.getrandbits(generator.randint(1, bits))) for _ in range(count)]
    for a, b in pairs:
        values = (a, b, a * b % (1 << bits), a // b if b else (1 << bits) - 1, a % b if b else a)
        data.append('    asm DW ' + ','.join(str(v >> s & 0xFFFF) for v in values for s in range(0, max(bits, 16), 16)))
sizes = {'count%d' % bits: len(EDGES[bits]) ** 2 + count for bits in (8, 16, 32)}
sys.stdout.write(string.Template(PROGRAM).substitute(sizes) + '\n'.join(data) + '\n}\n')
