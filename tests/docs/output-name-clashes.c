// Names are written upper-cased, so two names that differ only in case, a
// global named like a numbered label (ll1) or like a function's label (zf for
// f), or like a register of the block (rab, r2ah) become one name that the
// assembler refuses; the compiler itself accepts them. Names of 6502
// registers and instructions are renamed by the bridge and run.
// RUN: rm -rf %t && mkdir -p %t && split-file %s %t
// RUN: %status 0 %quarn %t/case.c %t/case.asm
// RUN: %status 2 %run %t/case.c > %t/case.out 2> %t/case.err
// RUN: %check --check-prefix=CASE %s < %t/case.err
// RUN: %status 2 %run %t/label.c > %t/label.out 2> %t/label.err
// RUN: %check --check-prefix=LABEL %s < %t/label.err
// RUN: %status 2 %run %t/function.c > %t/function.out 2> %t/function.err
// RUN: %check --check-prefix=FUNCTION %s < %t/function.err
// RUN: %status 2 %run %t/register.c > %t/register.out 2> %t/register.err
// RUN: %check --check-prefix=REGISTER %s < %t/register.err
// RUN: %status 2 %run %t/bridge.c > %t/bridge.out 2> %t/bridge.err
// RUN: %check --check-prefix=BRIDGE %s < %t/bridge.err
// RUN: %run %t/mnemonics.c 2>/dev/null | FileCheck --check-prefix=MNEMONICS %s

// CASE:{{.*}}Error: Symbol 'TOTAL' is already defined
// LABEL:{{.*}}Error: Symbol 'LL1' is already defined
// FUNCTION:{{.*}}Error: Symbol 'ZF' is already defined
// REGISTER:{{.*}}Error: Symbol 'RAB' is already defined
// BRIDGE:{{.*}}Error: Symbol 'R2AH' is already defined
// MNEMONICS: result: 12

//--- case.c
int total;
int Total;
int main() { total = 1; Total = 2; return total; }
//--- label.c
int ll1;
int main() { ll1 = 1; if (ll1) ll1 = 2; return ll1; }
//--- function.c
int zf;
int f() { return 1; }
int main() { zf = f(); return zf; }
//--- register.c
int rab;
int main() { rab = 1; return rab; }
//--- bridge.c
int r2ah;
int main() { r2ah = 1; return r2ah; }
//--- mnemonics.c
int x; char a; int inc;
int main() { x = 3; a = 4; inc = 5; return x + a + inc; }
