// A byte of value 255 ends the input: what follows it is never read, and the
// compilation finishes normally with the trailer.
// RUN: rm -rf %t && mkdir -p %t
// RUN: printf 'int x;\n\377 @@@ not C at all\nint y;\n' > %t/in.c
// RUN: %quarn %t/in.c %t/out.asm
// RUN: %check %s < %t/out.asm
// CHECK:X DS 2
// CHECK-NOT:Y DS 2
// CHECK:* END * ZMAIN
