// Declarations come only at the start of a function body: one after a
// statement or inside a nested block is a statement error, after which the
// compiler skips to the next '}' and goes on with the next function. An
// automatic local's initialiser is dropped with a warning on standard output
// that leaves the exit status at 0; with -V initialised file-level variables
// other than const ones are dropped the same way.
// RUN: rm -rf %t && mkdir -p %t && split-file %s %t
// RUN: %status 2 %quarn %t/late.c %t/late.asm > %t/late.out 2> %t/late.err
// RUN: %check --check-prefix=LATE %s < %t/late.err
// RUN: %check --check-prefix=GOESON %s < %t/late.asm
// RUN: %status 2 %quarn %t/nested.c %t/out.asm 2> %t/nested.err
// RUN: %check --check-prefix=NESTED %s < %t/nested.err
// RUN: %status 0 %quarn %t/local.c %t/local.asm > %t/local.out 2> %t/local.err
// RUN: %check --check-prefix=LOCAL %s < %t/local.out
// RUN: count 0 < %t/local.err
// RUN: %status 0 %quarn -V:0080 %t/global.c %t/global.asm > %t/global.out
// RUN: %check --check-prefix=RAMWARN %s < %t/global.out
// RUN: %check --check-prefix=RAM %s < %t/global.asm

// LATE:error: expected statement such as if, while, or return but found int
// LATE-NEXT:line 4: syntax error
// GOESON:ZH EQU *
// NESTED:error: expected statement such as if, while, or return but found int
// NESTED-NEXT:line 1: syntax error
// LOCAL:warning: initialization of local variable must be done in code
// RAMWARN:warning: initialization of global variable in embedded RAM must be done in code
// RAM:K EQU $00A0
// RAM:C: DW 7

//--- late.c
int g2() { return 0; }
int g()
{
    g2(); int j;
    return 1;
}
int h() { return 2; }
//--- nested.c
int main() { int x; x = 1; if (x) { int y; y = 2; } return x; }
//--- local.c
int f() { int i = 5; return i; }
//--- global.c
int k = 5;
const int c = 7;
int main() { return k + c; }
