// A token that cannot start a file-level declaration is an error: tokens are
// skipped to the next '}' or the end, the rest is not compiled, the trailer is
// written, status 2. Inside a declaration a token out of place stops the run
// at once (status 2); those messages are collected in order.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 2 %quarn %s %t/out.asm 2>&1 | %check --check-prefix=RECOVER %s
// RUN: %check --check-prefix=SKIPPED %s < %t/out.asm
int a;
void f()
{}
stray x = 1; int c;
} int b;
// RECOVER:error: expected extern or static but found ID
// RECOVER-NEXT:line 11: syntax error
// SKIPPED:A DS 2
// SKIPPED: RTS
// SKIPPED-NEXT: DB 81
// SKIPPED-NEXT: DB 88
// SKIPPED-NEXT:* 
// SKIPPED-NEXT:* END * ZMAIN
// Nothing, or only empty declarations, is the header and the trailer.
// RUN: echo '; ;;' > %t/a.c && %quarn %t/a.c %t/a.asm && %check --check-prefix=EMPTY %s < %t/a.asm
// RUN: echo '' > %t/a.c && %quarn %t/a.c %t/b.asm && diff %t/a.asm %t/b.asm
// EMPTY: JMP ZMAIN
// EMPTY-NEXT: DB 81
// RUN: echo 'typedef int number;' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2> %t/err
// CHECK:error: expected extern or static but found typedef
// CHECK-NEXT:line 1: syntax error
// The token after an uninitialised declaration is still read as a declared
// name (here a redefinition), after an initialised one as a use.
// RUN: echo 'int y; y = 1;' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// RUN: echo 'int x = 1; x = 2;' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// RUN: echo 'int f(int a) { a = 1; } int g() { int k; k = 2; } int h() { int k = 1; k = 2; }' > %t/a.c && %quarn %t/a.c %t/a.asm > %t/out 2>> %t/err
// CHECK-NEXT:line 1: symbol redefinition
// CHECK-NEXT:error: expected extern or static but found ID
// CHECK-NEXT:line 1: syntax error
// RUN: echo 'void f(int a) { int a; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// RUN: echo 'struct s {} a; struct s {} b;' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK-NEXT:line 1: symbol redefinition
// CHECK-NEXT:line 1: symbol redefinition
// RUN: echo 'int a[3] = 5;' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK-NEXT:error: expected ; but found =
// RUN: echo 'int x = 1, y;' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// RUN: echo 'int a[2], b;' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK:error: expected ; but found ,
// CHECK:error: expected ; but found ,
// RUN: echo 'int x = (5);' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK:error: expected ; but found (
// RUN: echo 'void f();' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK:error: expected { but found ;
// RUN: echo 'long x;' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK:error: expected type but found long
// RUN: echo 'unsigned u;' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK:error: expected type but found ID
// RUN: echo 'char **p;' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// RUN: echo 'bool *b;' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK:error: expected ID but found *
// CHECK:error: expected ID but found *
// RUN: echo 'struct s { int m; } v;' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK:error: expected } but found int
// A void object has no size: nothing of its declaration is written in any
// placement; an initialised one's marker comes first.
// RUN: echo 'void a, b; int c;' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err && %check --check-prefix=NOTHING %s < %t/a.asm
// RUN: %status 2 %quarn -V:0300 %t/a.c %t/a.asm 2>> %t/err && %check --check-prefix=NOTHING %s < %t/a.asm
// RUN: echo 'void f() { void a, b; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err && %check --check-prefix=NOTHING %s < %t/a.asm
// RUN: echo 'void v = 1; int c;' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err && %check --check-prefix=MARKER %s < %t/a.asm
// CHECK:line 1: error: undefined symbol
// CHECK-COUNT-3:line 1: error: undefined symbol
// NOTHING: JMP ZMAIN
// NOTHING-NOT:{{.}}
// MARKER:* DSEG
// MARKER-NOT:{{.}}
// A frame of 255 bytes is refused, also one whose dimension wraps.
// RUN: echo 'void f() { int a[127]; char b; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err && %check --check-prefix=OVER %s < %t/a.asm
// RUN: echo 'void f() { char a[4294967295]; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK-COUNT-2:line 1: error: too many local variables
// OVER:AZF EQU $FF03
// OVER-NOT:BZF
// Qualifiers nest 200 deep; one more is refused.
// RUN: python3 -c "print('const ' * 200 + 'int deep;')" > %t/a.c && %quarn %t/a.c %t/a.asm
// RUN: python3 -c "print('const ' * 201 + 'int deep;')" > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK-NEXT:line 1: error: nesting too deep
// CHECK-NOT:{{.}}
// RUN: %check %s < %t/err
