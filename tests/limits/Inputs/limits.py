# Writes into the folder given, for each fixed limit of the compiler, sources
# that reach it (in fits.c when they are small) and sources that go one over.
import sys

f, p, s, l = 'f' * 200, 'p' * 54, 's' * 54, 'l' * 54
locals254 = 'static char s[1000]; const int k = 5; char a[250]; int b; char c; char c2;'
globals3995 = ''.join('char g%d;\n' % k for k in range(3995)) + 'void f() { char a; char b; }\n'
globals1021 = ''.join('char n%04d%s;\n' % (k, 'x' * 250) for k in range(1021))
def nested(n):
    return {'casts': 'int c; int casts() { return %sc%s; }' % ('char(' * n, ')' * n),
            'calls': 'int f(int v) { return v; } int calls() { return %s1%s; }' % ('f(' * n, ')' * n),
            'index': 'int x[4]; int index() { return %s1%s; }' % ('x[' * n, ']' * n),
            'deref': 'int *p; int deref() { return %sp; }' % ('*' * n),
            'complements': 'int b; int complements() { return %sb; }' % ('!~' * (n // 2) + '-' * (n % 2)),
            'qualifiers': 'const ' * (n // 2) + 'signed ' * (n - n // 2) + 'int q;',
            'elseif': 'char k; int elseif() { if (k) k = 1;%s }' % (' else if (k) k = 1;' * (n - 2)),
            'loops': 'char m; int loops() { %sm = 1; }' % ('for (m = 0; m; m = 1) ' * (n - 1))}
sources = {
    'fits.c': '\n'.join([
        'char %s;' % ('n' * 255),
        'int d = 1%s5 + 1.%s + 1.5e%s2 + 0x%s1F + 0%s17;' % ('0' * 41, '0' * 41, '0' * 38, '0' * 60, '0' * 60),
        'int %s(int %s) { static int %s; %s: goto %s; }' % (f, p, s, l, l),
        'char %s; int %s; int main() { int %s; return %s + %s + %s; }' % ('c' * 63, 'i' * 61, 'a' * 50, 'c' * 63, 'i' * 61, 'a' * 50),
        'void assembly() {\n    asm %s\n}' % ('N' * 254),
        'void frame() { %s }\nvoid array() { char d[254]; }' % locals254] +
        [text for form, text in nested(200).items() if form != 'index']) + '\n',
    'name-256.c': 'int x;\nchar %s;\n' % ('n' * 256), 'decimal-44.c': 'int x;\nint d = 1%s5;\n' % ('0' * 42),
    'fraction-44.c': 'int x;\nint d = 1.%s;\n' % ('0' * 42), 'exponent-44.c': 'int x;\nint d = 1.5e%s2;\n' % ('0' * 39),
    'parameter-256.c': 'int x;\nint %s(int %sp) { }\n' % (f, p),
    'label-256.c': 'int %s() {\n%sl: goto %sl; }\n' % (f, l, l),
    'char-64.c': 'int x;\nchar %s; int main() { return %s; }\n' % ('c' * 64, 'c' * 64),
    'int-62.c': 'int x;\nint %s; int main() { return %s; }\n' % ('i' * 62, 'i' * 62),
    'local-51.c': 'int x;\nint main() { int %s; return %s; }\n' % ('a' * 51, 'a' * 51),
    'asm-255.c': 'int main() {\n    asm %s\n}\n' % ('N' * 255), 'asm-blanks.c': 'int main() {\n    asm NOP%s\n}\n' % (' ' * 300),
    'frame-255.c': 'void f() { char a[254]; }\nvoid g() { %s char c3; }\n' % locals254,
    'table-4095.c': globals3995 + 'void g() { char c; }\n', 'table-4096.c': globals3995 + 'void g() { char c; char d; }\n',
    'store-fits.c': globals1021 + 'char %s;\n' % ('y' * 248), 'store-full.c': globals1021 + 'char %s;\n' % ('y' * 249),
    'store-closed.c': ''.join('void f%d() { char %s; }\n' % (k, 'l' * 200) for k in range(1270)),
}
sources.update(('%s-201.c' % form, text + '\n') for form, text in nested(201).items())
for name, text in sources.items():
    with open(sys.argv[1] + '/' + name, 'w') as out:
        out.write(text)
