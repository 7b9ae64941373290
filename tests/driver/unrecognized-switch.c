// A switch letter the compiler does not know is reported after a '-' (even
// when the switch began with '/') and skipped; lower-case letters are unknown.
// Only the second character counts: -Ofast is -O and -Bxyz a -B without a
// value, so neither warns. The warnings leave the exit status at 0.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %quarn -x /q -o -Ofast -Bxyz %s %t/out.asm > %t/stdout 2> %t/stderr
// RUN: %check %s < %t/stdout
// RUN: count 0 < %t/stderr
// RUN: diff %S/../output/Inputs/default-header-trailer.asm %t/out.asm
// CHECK:Velmora C Compiler (Quarn) version 1.03.24.0110
// CHECK-NEXT:warning: unrecognized switch -x
// CHECK-NEXT:warning: unrecognized switch -q
// CHECK-NEXT:warning: unrecognized switch -o
// CHECK-NOT:{{.}}
