// An object of a type without a size (void) stops the compilation with
// "error: undefined symbol" before any line of its declaration is written:
// no DS, DFB or EQU line for it in any placement, not for the later names of
// the same declaration either. The marker of an initialised declaration comes
// before its data and is already written.
// RUN: rm -rf %t && mkdir -p %t && split-file %s %t
// RUN: %status 2 %quarn %t/reserved.c %t/reserved.asm 2> %t/reserved.err
// RUN: %check --check-prefix=ERR %s < %t/reserved.err
// RUN: %check --check-prefix=NOTHING %s < %t/reserved.asm
// RUN: %status 2 %quarn -V:0300 %t/reserved.c %t/ram.asm 2> %t/ram.err
// RUN: %check --check-prefix=ERR %s < %t/ram.err
// RUN: %check --check-prefix=NOTHING %s < %t/ram.asm
// RUN: %status 2 %quarn %t/initialised.c %t/initialised.asm 2> %t/initialised.err
// RUN: %check --check-prefix=ERR %s < %t/initialised.err
// RUN: %check --check-prefix=MARKER %s < %t/initialised.asm
// RUN: %status 2 %quarn %t/local.c %t/local.asm 2> %t/local.err
// RUN: %check --check-prefix=ERR %s < %t/local.err
// RUN: %check --check-prefix=NOTHING %s < %t/local.asm
// ERR:line 1: error: undefined symbol
// ERR-NOT:{{.}}
// NOTHING: JMP ZMAIN
// NOTHING-NOT:{{.}}
// MARKER: JMP ZMAIN
// MARKER-EMPTY:
// MARKER-NEXT:* DSEG
// MARKER-NOT:{{.}}
//--- reserved.c
void a, b; int c;
//--- initialised.c
void v = 1; int c;
//--- local.c
void f() { void a, b; }
