// Folding: initialisers always, statements with -O. Constants fold in 32-bit
// wrap-around, const names become values; an initialiser that does not fold
// keeps its root's value. With -O products and quotients by powers of two
// become shifts (up to 128 and 256), remainders masks, a difference with a
// constant a sum, constants move right and gather. A zero divisor is fatal.
// RUN: rm -rf %t && mkdir -p %t && %status 1 %quarn -O %s %t/opt.asm 2> %t/err && %status 1 %quarn %s %t/plain.asm 2> %t/err2
// RUN: %check --check-prefixes=BOTH,OPT %s < %t/opt.asm
// RUN: %check --check-prefixes=BOTH,PLAIN %s < %t/plain.asm
// RUN: %check --check-prefix=WARN %s < %t/err
int a = 2 + 3 * 4; // BOTH:A: DW 14
int b = 7 / 2 - -7 / 2; // BOTH:B: DW 6
int c = -7 % 2; // BOTH:C: DW -1
char d = 3 < 5; // BOTH:D: DFB 1
char e = 5 <= 3; // BOTH:E: DFB 0
int g = !0 + ~1; // BOTH:G: DW 131069
const int k = 10; // BOTH:K: DW 10
int m = k * 2 + (1 && 0) + (2 || 0); // BOTH:M: DW 21
int n = 5 + a; // BOTH:N: DW 5
int p = a + 1; // BOTH:P: DW 0
int q = a; // BOTH:Q: DW 14
int r = 2147483647 + 1; // BOTH:R: DW -2147483648
int s = -2147483648 / -1 + -2147483648 % -1; // BOTH:S: DW -2147483648
// BOTH:T: DW 3
int t = 1.5 * 2 + 0;
int u = 0 + (1 << 10) + (-16 >> 2) + 12 % 5 + (12 & 10) + (12 | 3) + (12 ^ 10); // BOTH:U: DW 1051
// The warning names the line after t's, whose end is read before the value is stored.
// WARN:line [[@LINE-2]]: conversion from floating point type to integral, possible loss of data
int x;
int id(int v) { return v; }
void times8() { x = x * 8; } // BOTH-LABEL:ZTIMES8 EQU *
// PLAIN:* mulw
// OPT-NOT:* mulw
// OPT: ASL CX
void over4() { x = x / 4; } // BOTH-LABEL:ZOVER4 EQU *
// PLAIN:* divw
// OPT-NOT:* divw
// OPT: ROR CX
void mod16() { x = x % 16; } // BOTH-LABEL:ZMOD16 EQU *
// PLAIN:* modw
// OPT-NOT:* modw
// OPT: AND #>15
void times256() { x = x * 256; } // BOTH-LABEL:ZTIMES256 EQU *
// BOTH:* mulw
void over256() { x = x / 256; } // BOTH-LABEL:ZOVER256 EQU *
// PLAIN:* divw
// OPT: LDA #>8
void mod256() { x = x % 256; } // BOTH-LABEL:ZMOD256 EQU *
// BOTH:* modw
void argument() { x = id(2 * 3); } // BOTH-LABEL:ZARGUMENT EQU *
// OPT: LDA #>6
// PLAIN: LDA #>2
void minus3() { x = x - 3; } // BOTH-LABEL:ZMINUS3 EQU *
// PLAIN: SBC #>3
// OPT: ADC #>-3
void gather() { x = 1 + (x + 2); } // BOTH-LABEL:ZGATHER EQU *
// PLAIN: ADC #>2
// OPT: ADC #>3
// OPT-NEXT: STA CL
void swap() { x = 1 == x; } // BOTH-LABEL:ZSWAP EQU *
// PLAIN: LDA #>1
// OPT: LDA X
// OPT-NEXT: SEC
// OPT-NEXT: SBC #>1
// RUN: printf 'int x;\nint f()\n{\n    x = x / 0;\n}\n' > %t/a.c && %status 2 %quarn -O %t/a.c %t/a.asm 2>&1 | %check --check-prefix=ZERO4 %s
// RUN: %status 0 %quarn %t/a.c %t/a.asm
// RUN: echo 'int x; int f() { if (x % (3 - 3) == 1) x = 0; }' > %t/b.c && %status 2 %quarn -O %t/b.c %t/b.asm 2>&1 | %check --check-prefix=ZERO %s
// RUN: echo 'int x = 4 / 0;' > %t/c.c && %status 2 %quarn %t/c.c %t/c.asm 2>&1 | %check --check-prefix=ZERO2 %s
// ZERO4:line 5: error: divide by zero detected
// ZERO:line 1: error: divide by zero detected
// ZERO2:line 2: error: divide by zero detected
