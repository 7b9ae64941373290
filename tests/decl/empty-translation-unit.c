// A source with no declarations, or with only empty ones (';'), compiles to the
// header and the trailer alone.
// RUN: rm -rf %t && mkdir -p %t && split-file %s %t
// RUN: %quarn %t/empty.c %t/empty.asm
// RUN: %quarn %t/semicolons.c %t/semicolons.asm
// RUN: diff %t/empty.asm %t/semicolons.asm
// RUN: %check %s < %t/semicolons.asm
// CHECK: JMP ZMAIN
// CHECK-NEXT: DB 81
// CHECK-NEXT: DB 88
//--- empty.c
//--- semicolons.c
;
;;
