// An output file that cannot be created (its folder is missing, or the name is
// a folder) is named as given on standard output; the run ends with status 22.
// RUN: rm -rf %t && mkdir -p %t/adir
// RUN: cp %s %t/in.c
// RUN: cd %t && %status 22 %build/quarn in.c nodir/out.asm > nodir.out
// RUN: %check --check-prefix=NODIR %s < %t/nodir.out
// RUN: cd %t && %status 22 %build/quarn in.c adir > adir.out
// RUN: %check --check-prefix=ADIR %s < %t/adir.out
// NODIR:Velmora C Compiler (Quarn) version 1.03.24.0110
// NODIR-NEXT:error: can't open output file nodir/out.asm
// NODIR-NOT:{{.}}
// ADIR:error: can't open output file adir
