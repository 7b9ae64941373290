# Writes into the folder given sources that are no ordinary C text: cut off
# in the middle of a construct, comments only, lines of a million characters,
# stray bytes in a body; and into garbage/, from a fixed seed, random bytes,
# random text, random bytes in a body, tokens in random order, all 256 bytes.
import os, random, sys

sources = {
    'cut-name.c': 'int abc', 'cut-number.c': 'int x = 12', 'cut-point.c': 'int x = 1.', 'cut-hex.c': 'int x = 0x',
    'cut-exponent.c': 'int x = 1.5e+', 'cut-asm.c': 'int f()\n{\n    asm NOP', 'cut-operator.c': 'int x;\nint f()\n{\n    x = x +',
    'comments.c': '// comment\r\n# directive\r\n' * 5000 + '// last, without a newline',
    'long-lines.c': 'char x; void f() {' + ' x = x + 1;' * 100000 + ' }\nint y;  //' + '-' * 1000000 +
                    '\nint z;\n#' + '#' * 1000000 + '\n@;\n',
    'stray-body.c': 'char x;\nint main()\n{\n    \x80\xfe = 1;\n    x = 2;\n}\nint y;\n',
    'garbage/all-bytes.c': bytes(range(256)),
}
rng = random.Random(6502)
tokens = ('{ } [ ] ( ) ; : ... + - * / % ^ & | ~ ! = < > << >> == != <= >= && || , asm auto bool char const do '
          'else for goto if int return short signed static struct unsigned void volatile while inp inpw outp '
          'outpw x y main 0 1 255 65535 0x 017 1.5 2147483648').split()
for k in range(30):
    sources['garbage/bytes%d.c' % k] = bytes(rng.randrange(256) for _ in range(rng.randrange(1, 400)))
    sources['garbage/text%d.c' % k] = ''.join(chr(rng.randrange(32, 127)) for _ in range(rng.randrange(1, 400)))
    sources['garbage/body%d.c' % k] = ('char x; int main()\n{\n%s\n}\n' %
                                       ''.join(chr(rng.randrange(256)) for _ in range(rng.randrange(1, 200))))
    sources['garbage/tokens%d.c' % k] = ' '.join(rng.choice(tokens) for _ in range(rng.randrange(1, 80)))
os.mkdir(sys.argv[1] + '/garbage')
for name, text in sources.items():
    with open(os.path.join(sys.argv[1], name), 'wb') as out:
        out.write(text if isinstance(text, bytes) else text.encode('latin-1'))
