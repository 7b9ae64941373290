// A failed match prints the spelling of the expected token and of the one
// found, identifiers and integer constants both spelled ID, then the
// line-numbered syntax error, and ends the run with status 2.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 2 %quarn %s %t/out.asm 2> %t/id.err
// RUN: %check --check-prefix=ID %s < %t/id.err
// RUN: printf 'int f()\n 5 {\n}\n' > %t/constant.c
// RUN: %status 2 %quarn %t/constant.c %t/constant.asm 2> %t/constant.err
// RUN: %check --check-prefix=CONSTANT %s < %t/constant.err
// ID:error: expected { but found ID
// ID-NEXT:line [[#@LINE+4]]: syntax error
// ID-NOT:{{.}}
// CONSTANT:error: expected { but found ID
// CONSTANT-NEXT:line 2: syntax error
int f() x {
}
