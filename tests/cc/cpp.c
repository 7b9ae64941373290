// --cpp: #include through --include-dir, #define, #if, -D and -U in order;
// macros expand in asm lines, whose runs of blanks collapse; an apostrophe in
// an asm comment draws cpp's warning; the compiler's messages name the file
// and line written, in a header too. main returns 8 + 5 + 7.
// RUN: rm -rf %t && mkdir -p %t
// RUN: quarn-cc --cpp --include-dir %S/Inputs -D EXTRA=5 -D SKIP -U SKIP --keep %t/k --run %s > %t/out 2> %t/err
// RUN: %check %s < %t/out
// CHECK:result: 20
// RUN: %check --check-prefix=ASM %s < %t/k/program.asm
// ASM: LDA #7 ; it's seven
// RUN: FileCheck --check-prefix=WARN %s < %t/err
// WARN: cpp.c:24:{{[0-9]+}}: warning: missing terminating ' character
// RUN: %status 1 quarn-cc --cpp --include-dir %S/Inputs -D BROKEN %s 2> %t/broken
// RUN: FileCheck --check-prefix=BROKEN %s < %t/broken
// BROKEN: cpp-header.h:5: syntax error
#include "cpp-header.h"
#define SEVEN 7
#ifndef EXTRA
#define EXTRA 100
#endif
int main()
{
    int r;
    asm    LDA     #SEVEN ; it's seven
    r = TWICE(fromHeader) + EXTRA + SEVEN;
#ifdef SKIP
    r = r + 100;
#endif
    return r;
}
