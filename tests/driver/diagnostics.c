// A failed match names the expected token and the one found (names and
// constants are "ID", code 182 "_asm") and ends the run with status 2.
// Warnings and errors let the run go on to its trailer, and the exit status
// is the level of the last one.
// RUN: rm -rf %t && split-file %s %t
// RUN: %status 2 %quarn %t/warning-error.c %t/we.asm 2> %t/we.err && %check --check-prefix=TRAILER %s < %t/we.asm
// RUN: %status 1 %quarn %t/error-warning.c %t/ew.asm 2> %t/ew.err && %check --check-prefix=TRAILER %s < %t/ew.asm
// RUN: %check --check-prefix=WE %s < %t/we.err && %check --check-prefix=EW %s < %t/ew.err
// TRAILER:* END * ZMAIN
// WE:line {{[0-9]+}}: warning: type truncation of rvalue to lvalue, possible data loss
// WE-NEXT:error: expected statement such as if, while, or return but found break
// WE-NEXT:line 3: syntax error
// EW:error: expected statement such as if, while, or return but found break
// EW-NEXT:line 1: syntax error
// EW-NEXT:line {{[0-9]+}}: warning: type truncation of rvalue to lvalue, possible data loss
// RUN: %status 2 %quarn %t/name.c %t/name.asm 2> %t/name.err && %status 2 %quarn %t/asm.c %t/asm.asm 2>> %t/name.err && %check --check-prefix=MATCH %s < %t/name.err
// MATCH:error: expected { but found ID
// MATCH-NEXT:line 2: syntax error
// MATCH-NEXT:error: expected extern or static but found _asm
// MATCH-NEXT:line 2: syntax error
// MATCH-NOT:{{.}}
//--- warning-error.c
char c; int i; int g() { c = i; }
int f() {
    break; }
//--- error-warning.c
char c; int i; int f() { break;
}
int g() { c = i; }
//--- name.c
int f() { return 1; } int g()
x {
//--- asm.c
asm
