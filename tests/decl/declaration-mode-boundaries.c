// Names are read as declarations exactly while a declaration is being read.
// The token after the ';' of an uninitialised file-level declaration is still
// read as a declared name, so a name already declared there is a redefinition;
// after an initialised one it is read as a use (here a stray statement, the
// file-level syntax error). The first token of a body, and the token after
// each local declaration, are read as uses.
// RUN: rm -rf %t && mkdir -p %t && split-file %s %t
// RUN: %status 2 %quarn %t/after-plain.c %t/after-plain.asm 2> %t/after-plain.err
// RUN: %check --check-prefix=PLAIN %s < %t/after-plain.err
// RUN: %check --check-prefix=PLAINASM %s < %t/after-plain.asm
// RUN: %status 2 %quarn %t/after-initialised.c %t/after-initialised.asm 2> %t/after-initialised.err
// RUN: %check --check-prefix=INIT %s < %t/after-initialised.err
// RUN: %check --check-prefix=INITASM %s < %t/after-initialised.asm
// RUN: %quarn %t/uses.c %t/uses.asm > %t/uses.out 2> %t/uses.err
// RUN: count 0 < %t/uses.err
// RUN: %check --check-prefix=USES %s < %t/uses.asm

// The redefinition stops the run before the declaration's storage is written.
// PLAIN:line 2: symbol redefinition
// PLAIN-NOT:{{.}}
// PLAINASM: JMP ZMAIN
// PLAINASM-NOT:{{.}}

// INIT:error: expected extern or static but found ID
// INIT-NEXT:line 2: syntax error
// INIT-NOT:{{.}}
// INITASM: JMP ZMAIN
// INITASM-EMPTY:
// INITASM-NEXT:* DSEG
// INITASM-NEXT:X: DW 1
// INITASM-NEXT: DB 81

// USES:ZF EQU *
// USES:ZG EQU *
// USES:ZH EQU *
// USES: DB 81

//--- after-plain.c
int y;
y = 1;
//--- after-initialised.c
int x = 1;
x = 2;
//--- uses.c
int f(int a)
{
    a = 1;
}
int g()
{
    int k;
    k = 2;
}
int h()
{
    int k = 1;
    k = 2;
}
