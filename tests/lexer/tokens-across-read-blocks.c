// The scanner reads the source in blocks of 16384 bytes. A name, a number,
// a two-character operator or a run of blanks that crosses from one block to
// the next is still one token, and the newlines in a run of blanks cut by a
// block end are all counted. Each program below is padded with blanks so that
// one token starts 1 to 4 bytes before the end of the first block; every one
// must compute 1234 + 1 = 1235, whose low byte is 211.
// RUN: rm -rf %t && mkdir -p %t
// RUN: python3 %S/Inputs/read-blocks.py %t
// RUN: sh -c 'for f in %t/cross-*.c; do %run $f; done' | FileCheck --check-prefix=SIM %s
// RUN: %status 2 %quarn %t/lines.c %t/lines.asm 2> %t/lines.err
// RUN: %check --check-prefix=LINES %s < %t/lines.err
// SIM-COUNT-12:result: 211
// SIM-NOT:result:
// LINES:line 20002: symbol redefinition
