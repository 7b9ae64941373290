// -O folds constant expressions with C's signed 32-bit rules, takes constant
// shift counts modulo the width, drops a product by 0 or a remainder by 1
// with its call and makes a const char beside an int an unsigned operand, so
// these constant expressions give other values without it (docs/language.md).
// A floating constant in code needs -O, and -O refuses a constant zero
// divisor (an initialiser always folds). main returns the number of the first
// check that fails, else 0 without -O and 100 with it.
// RUN: rm -rf %t && mkdir -p %t
// RUN: sed 's/.*-O only$//' %s > %t/plain.c
// RUN: %run %t/plain.c 2>&1 | FileCheck --check-prefix=PLAIN %s
// RUN: sed 's/.*plain only$//' %s > %t/opt.c
// RUN: %run %t/opt.c -O 2>&1 | FileCheck --check-prefix=OPT %s
// RUN: %status 2 %quarn %s %t/out.asm 2>&1 | FileCheck --check-prefix=FLOAT %s
// RUN: %status 2 %quarn -O %s %t/out.asm 2>&1 | FileCheck --check-prefix=ZERO %s
// RUN: echo 'int k = 4 / 0;' > %t/init.c && %status 2 %quarn %t/init.c %t/out.asm 2>&1 | FileCheck --check-prefix=INIT %s
// PLAIN: result: 0
// OPT: line 45: warning: type truncation of rvalue to lvalue, possible data loss
// OPT: result: 100
// FLOAT: line 45: error: undefined type
// ZERO: line 43: error: divide by zero detected
// INIT: line 2: error: divide by zero detected
const char k = 1;
int o, m;
int calls;
int pick(int plain, int opt) { if (o) return opt; return plain; }
int bump() { calls = calls + 1; return 1; }
int main()
{
    int x;
    char c;
    x = 1 && 2; o = x;                  // 1 only when folded
    x = 1; if (!(3 < 5)) x = 0;         // !1 is 254 when folded
    if (x != pick(1, 0)) return 1;
    x = -7 / 2; if (x != pick(32764, -3)) return 2;
    x = -7 % 4; if (x != pick(1, -3)) return 3;
    x = -16 >> 2; if (x != pick(16380, -4)) return 4;
    x = 70000 / 2; if (x != pick(2232, 35000)) return 5;
    x = 5; x = x << 0; if (x != pick(0, 5)) return 6;
    x = 5; x = x << 16; if (x != pick(0, 5)) return 7;
    x = 5; x = x << 256; if (x != pick(0, 5)) return 8;
    c = 200; c = c / 256; if (c != pick(255, 200)) return 9;
    x = bump() * 0; if (calls != pick(1, 0)) return 10;
    x = 5; x = x / 0; if (x != 65535) return 11;    // plain only
    x = 5; x = x % 0; if (x != 5) return 12;        // plain only
    x = 3 * 1.5; if (x != 4) return 13;             // -O only
    x = bump() % 1; if (calls != pick(2, 0)) return 14;
    x = 0; m = -5; if ((m ^ k) < 0) x = 1; if (x != pick(1, 0)) return 15;
    if (o) return 100;
    return 0;
}
