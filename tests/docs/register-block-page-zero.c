// -V places the register block: stores go through (BX),Y, so a block outside
// page zero does not assemble (BX at $0312 for -V:0300), while a page-zero
// block such as $0080 runs and puts the variables right after it.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 2 %run %s -V:0300 > %t/high.out 2> %t/high.err
// RUN: %check --check-prefix=HIGH %s < %t/high.err
// RUN: %run %s -V:0080 | FileCheck --check-prefix=LOW %s
// RUN: %quarn -V:0080 %s %t/low.asm
// RUN: %check --check-prefix=PLACED %s < %t/low.asm
// HIGH:{{.*}}Error: Range error (786 not in [0..255])
// LOW: result: 6
// PLACED:V EQU $00A0
int v;
int main()
{
    v = 5;
    return v + 1;
}
