// A token that cannot start a statement (a declaration after a statement or
// in a nested block too) is reported on its line (an asm line that ends with
// its keyword counts the next) and skipped to the next '}'; the compilation
// goes on: several errors, status 2, trailer written. The other statement
// errors stop the run at once with status 2; their messages are collected.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 2 %quarn %s %t/out.asm 2>&1 | %check --check-prefix=RECOVER %s
// RUN: %check --check-prefix=SKIPPED %s < %t/out.asm
char k;
int f()
{
    asm
    INX
    if (k) break;
    asm NOP
}
int g() { int j; j = 1; int late; }
int h()
{
    { int y; }
    asm DEX
}
// RECOVER:error: expected statement such as if, while, or return but found break
// RECOVER-NEXT:line 14: syntax error
// RECOVER-NEXT:error: expected statement such as if, while, or return but found int
// RECOVER-NEXT:line 17: syntax error
// RECOVER-NEXT:error: expected statement such as if, while, or return but found int
// RECOVER-NEXT:line 20: syntax error
// SKIPPED: BEQ LL1
// SKIPPED-NEXT:LL1 EQU *
// SKIPPED-NEXT: TXS
// SKIPPED: DEX
// SKIPPED-NEXT: TXS
// SKIPPED: DB 81
// RUN: echo 'int main() { missing = 1; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2> %t/err
// RUN: echo 'int main() { *missing = 1; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK:error: missing@main undefined
// CHECK-NEXT:line 1: error: undefined symbol
// CHECK-NEXT:error: missing@main undefined
// CHECK-NEXT:line 1: error: undefined symbol
// A declared name followed by none of [ ( = (a ':' too) is skipped to the
// '}', where the expected ';' ends the run.
// RUN: echo 'int x; int main() { x + 1; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// RUN: echo 'int x; int main() { x: x = 1; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK-NEXT:error: what do you want me to do with X
// CHECK-NEXT:line 1: syntax error
// CHECK-NEXT:error: expected ; but found }
// CHECK-NEXT:line 2: syntax error
// CHECK-NEXT:error: what do you want me to do with X
// RUN: echo 'int main() { for (;;) { } }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK:error: expected ID but found ;
// RUN: echo 'int x; int main() { x(1); }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// RUN: echo 'int v() { return 1; } int main() { v[0] = 1; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// RUN: echo 'void v() { } int main() { v = 1; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK:line 1: error: expected function/procedure
// CHECK-NEXT:line 1: error: function/procedure unexpected
// CHECK-NEXT:line 1: error: expected function
// A void target has no width: an element stops right after its index is
// read, *vp after its value (and the note).
// RUN: echo 'void *vp; char c; int main() { vp[c] = 1; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// RUN: %check --check-prefix=VOID %s < %t/a.asm
// VOID: LDA C
// VOID-NEXT: STA CL
// VOID-NOT:{{.}}
// RUN: echo 'void *vp; int main() { *vp = 1; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err | %check --check-prefix=VOIDNOTE %s
// VOIDNOTE:line 1: note: lvalue expected 00 type, rvalue found 04 type
// CHECK-COUNT-2:line 1: error: undefined return type
// A body that reaches the end of input, here in an open block, misses its '}'.
// RUN: echo 'char k; int main() { while (k) {' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK-NEXT:error: expected statement such as if, while, or return but found ID
// CHECK-NEXT:line 2: syntax error
// CHECK-NEXT:error: expected } but found ID
// Statements nest 200 deep; one more is refused.
// RUN: python3 -c "print('int main() {' + '{' * 199 + 'asm NOP' + chr(10) + '}' * 200)" > %t/a.c && %quarn %t/a.c %t/a.asm
// RUN: python3 -c "print('char k; int main() {' + 'while (k) ' * 100 + 'do ' * 100 + 'asm NOP' + chr(10) + 'while (k);' * 100 + '}')" > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// CHECK:line 1: error: nesting too deep
// A return of a four-byte value is an error, and the compilation goes on.
// RUN: echo 'struct {} s[2]; int whole() { return *s; } int address() { return s; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>> %t/err
// RUN: %check --check-prefix=LONG %s < %t/a.asm
// CHECK-NEXT:line 1: return of long not supported at this time, return a pointer to long instead
// CHECK-NOT:{{.}}
// LONG: STA BX+3
// LONG:ZADDRESS EQU *
// RUN: %check %s < %t/err
