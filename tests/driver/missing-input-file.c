// An input file that cannot be opened is named as given on standard output
// after the banner; the run ends with status 22 and creates no output file.
// RUN: rm -rf %t && mkdir -p %t
// RUN: cd %t && %status 22 %build/quarn nothere.c out.asm > stdout 2> stderr
// RUN: %check %s < %t/stdout
// RUN: count 0 < %t/stderr
// RUN: not test -e %t/out.asm
// CHECK:Velmora C Compiler (Quarn) version 1.03.24.0110
// CHECK-NEXT:error: can't open C source file nothere.c
// CHECK-NOT:{{.}}
