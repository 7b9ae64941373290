// The diagnostics docs/language.md shows: constructs of C the language does
// not have, expressions it groups otherwise, too many pending operands,
// argument checks that one counter shares between all calls, and file names
// read as switches. Each program is one line; the messages are collected in
// order, and each run's status is checked.
// RUN: rm -rf %t && mkdir -p %t
// RUN: echo 'int main() { /* a comment */ return 1; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2> %t/err
// CHECK:error: expected statement such as if, while, or return but found /
// CHECK-NEXT:line 1: syntax error
// RUN: echo 'int main() { int i; i = "a"; return i; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK:error: expected ID but found ID
// RUN: echo 'int main() { int i; int *p; p = &i; return i; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK:error: expected ID but found &
// RUN: echo 'int main() { int i; i = sizeof(int); return i; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK:error: expected ID but found sizeof
// RUN: echo 'int main() { int i; char c; c = 1; i = (int)c; return i; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK:error: expected ( but found )
// RUN: echo 'void f() { return; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK:error: expected ID but found ;
// CHECK-NEXT:line 1: syntax error
// RUN: echo 'int main() { return g(1); } int g(int a) { return a; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK-NEXT:line 1: error: undefined symbol
// RUN: echo 'int a[3]; int main() { int *p; p = a; return p[1]; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK-NEXT:line 1: error: expected array name
// RUN: echo 'int main() { int a; a = 1; if (a == a == a) return 1; return 2; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK-NEXT:error: expected ) but found ==
// RUN: echo 'int main() { int a; a = 1; if (a < a << 1) return 1; return 2; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK:error: expected ) but found <<
// RUN: echo 'int main() { int a; a = 1; a = a << a << a; return a; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK:error: expected ; but found <<
// An assignment keeps its target's address and at most six pending values.
// RUN: echo 'int a; int b; int c; int d; int e; int f; int g; int x; int main() { x = a + (b + (c + (d + (e + (f + g))))); return x; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK:line 1: error: expression too complex
// RUN: echo 'int a; int b; int c; int d; int e; int f; int g; int x; int main() { x = a + b + c + d + e + f + g; return a + (b + (c + (d + (e + (f + g))))); }' > %t/a.c && %quarn %t/a.c %t/a.asm
// add(2, 3) advances the parameter count: it is checked against b, and n
// against nothing; an int variable given to the char c is noted and narrowed
// with a warning, a constant only noted.
// RUN: echo 'int add(int a, int b) { return a + b; } int pick(int a, char c, int b) { return a + b; } int main() { int n; n = 300; return pick(1, add(2, 3), n); }' > %t/a.c && %quarn %t/a.c %t/a.asm > %t/out 2>> %t/err
// RUN: echo 'int add(int a, int b) { return a + b; } int pick(int a, char c, int b) { return a + b; } int main() { int m; m = 2; return pick(1, m, 300); }' > %t/a.c && %status 1 %quarn %t/a.c %t/a.asm >> %t/out 2>> %t/err
// RUN: echo 'int add(int a, int b) { return a + b; } int pick(int a, char c, int b) { return a + b; } int main() { return pick(1, 300, 2); }' > %t/a.c && %quarn %t/a.c %t/a.asm >> %t/out 2>> %t/err
// CHECK-NEXT:line 1: warning: type truncation of argument to parameter, possible data loss
// CHECK-NOT:{{.}}
// RUN: %check %s < %t/err
// RUN: %check --check-prefix=NOTE --implicit-check-not=note %s < %t/out
// NOTE:line 1: note: parameter expected 03 type, argument found 04 type
// NOTE:line 1: note: parameter expected 03 type, argument found 04 type
// A file name that begins with / is a switch: two warnings, then the usage.
// RUN: cp %s %t/prog.c
// RUN: %status 22 %build/quarn %t/prog.c %t/out.asm | %check --check-prefix=SWITCH %s
// SWITCH:warning: unrecognized switch -{{.}}
// SWITCH-NEXT:warning: unrecognized switch -{{.}}
// SWITCH-NEXT:format:  Quarn?? [options] infile.c outfile.asm
