// Values the generator cannot handle stop the compilation: a floating constant, a read through a void pointer.
// RUN: rm -rf %t && mkdir -p %t
// RUN: sed -n 's/^\/\/ FLOAT: //p' %s > %t/float.c
// RUN: %status 2 %quarn %t/float.c %t/float.asm 2> %t/float.err
// RUN: %check --check-prefix=FLOATERR %s < %t/float.err
// RUN: sed -n 's/^\/\/ VOID: //p' %s > %t/void.c
// RUN: %status 2 %quarn %t/void.c %t/void.asm 2> %t/void.err
// RUN: %check --check-prefix=VOIDERR %s < %t/void.err
//
// FLOAT: int i;
// FLOAT: int f() { return i + 1.5; }
// FLOATERR:error: expected ID but found ID
// FLOATERR-NEXT:line 2: syntax error
//
// VOID: void *v;
// VOID: int f() { return *v; }
// VOIDERR:line 2: error: undefined type
