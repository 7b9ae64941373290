// Comparisons take one operator, a shift cannot be the right operand of
// another operator and a second shift ends the expression: each leaves a
// token the statement does not expect. An assignment's value may keep at most
// six two-byte values pending: a right-nested sum of seven operands is too
// complex, the same sum leaning left or returned (no target address) is not.
// RUN: rm -rf %t && mkdir -p %t && split-file %s %t
// RUN: %status 2 %quarn %t/chain.c %t/out.asm 2> %t/chain.err
// RUN: %check --check-prefix=CHAIN %s < %t/chain.err
// RUN: %status 2 %quarn %t/shift-right.c %t/out.asm 2> %t/shift-right.err
// RUN: %check --check-prefix=SHIFTRIGHT %s < %t/shift-right.err
// RUN: %status 2 %quarn %t/two-shifts.c %t/out.asm 2> %t/two-shifts.err
// RUN: %check --check-prefix=TWOSHIFTS %s < %t/two-shifts.err
// RUN: %status 2 %quarn %t/nested.c %t/out.asm 2> %t/nested.err
// RUN: %check --check-prefix=COMPLEX %s < %t/nested.err
// RUN: %status 0 %quarn %t/leaning.c %t/out.asm
// RUN: %status 0 %quarn %t/returned.c %t/out.asm

// CHAIN:error: expected ) but found ==
// CHAIN-NEXT:line 1: syntax error
// SHIFTRIGHT:error: expected ) but found <<
// SHIFTRIGHT-NEXT:line 1: syntax error
// TWOSHIFTS:error: expected ; but found <<
// TWOSHIFTS-NEXT:line 1: syntax error
// COMPLEX:line 1: error: expression too complex

//--- chain.c
int main() { int a; a = 1; if (a == a == a) return 1; return 2; }
//--- shift-right.c
int main() { int a; a = 1; if (a < a << 1) return 1; return 2; }
//--- two-shifts.c
int main() { int a; a = 1; a = a << a << a; return a; }
//--- nested.c
int a; int b; int c; int d; int e; int f; int g; int x; int main() { x = a + (b + (c + (d + (e + (f + g))))); return x; }
//--- leaning.c
int a; int b; int c; int d; int e; int f; int g; int x; int main() { x = a + b + c + d + e + f + g; return x; }
//--- returned.c
int a; int b; int c; int d; int e; int f; int g; int main() { return a + (b + (c + (d + (e + (f + g))))); }
