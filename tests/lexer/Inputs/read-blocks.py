# Writes the programs of tokens-across-read-blocks.c into the folder given.
# cross-KIND-K.c: the token of KIND starts K bytes before byte 16384, where
# the scanner's first read block ends. lines.c: a run of 20000 newlines that
# the block end cuts, then a second declaration of x on line 20002.
import os
import sys

BLOCK = 16384
folder = sys.argv[1]

# Each program computes 1234 + 1 = 1235 and returns it; its low byte, 211,
# is the result. MARK is where the padding goes, right before the token.
PROGRAMS = {
    'name': 'int main()\n{\n    int total;\n    MARKtotal = 1234;\n    total = total + 1;\n    return total;\n}\n',
    'number': 'int main()\n{\n    int total;\n    total = MARK1234;\n    total = total + 1;\n    return total;\n}\n',
    'operator': 'int main()\n{\n    int total;\n    total = 1234;\n    if (total MARK<= 1234)\n        total = total + 1;\n    return total;\n}\n',
}

for kind, text in PROGRAMS.items():
    before, after = text.split('MARK')
    for k in range(1, 5):
        # Blanks and newlines, so the run of blanks before the token is long.
        padding_length = BLOCK - k - len(before)
        padding = (' ' * 63 + '\n') * (padding_length // 64) + ' ' * (padding_length % 64)
        source = before + padding + after
        assert source.index(after) == BLOCK - k
        with open(os.path.join(folder, 'cross-%s-%d.c' % (kind, k)), 'w') as out:
            out.write(source)

# Lines 1 and 2 hold the declarations; 20000 newlines end line 2 and the
# 19999 empty lines after it, so "int x;" again is on line 20002.
lines = 'int x;\nint y;' + '\n' * 20000 + 'int x;\n'
assert lines.index('int x;\n', 1) > BLOCK
with open(os.path.join(folder, 'lines.c'), 'w') as out:
    out.write(lines)
