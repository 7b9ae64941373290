// '!' and '~' of a floating operand warn that the operation is unsafe and are
// not folded, so an int initialised with one is written with the root's own
// value, 0; '!' of an integer constant folds without a warning.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 1 %quarn %s %t/out.asm 2> %t/err
// RUN: %check --check-prefix=WARN %s < %t/err
// RUN: %check %s < %t/out.asm
int n = !1.5 + 0;
int t = ~2.5 + 0;
int u = !15;
// WARN:line 8: 'NOT' : unsafe use of type 'REAL' in operation
// WARN-NEXT:line 9: 'NOT' : unsafe use of type 'REAL' in operation
// WARN-EMPTY:
// CHECK:N: DW 0
// CHECK:T: DW 0
// CHECK:U: DW 65520
