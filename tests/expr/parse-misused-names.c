// Names used in a way their declaration does not allow stop the compilation:
// indexing a variable that is not an array (a pointer included), calling a
// variable, using a function without result as a value, indexing a function
// and using a function name as an operand.
// RUN: rm -rf %t && mkdir -p %t
// RUN: sed -n 's/^\/\/ INDEXVAR: //p' %s > %t/indexvar.c
// RUN: %status 2 %quarn %t/indexvar.c %t/indexvar.asm 2> %t/indexvar.err
// RUN: %check --check-prefix=INDEXVARERR %s < %t/indexvar.err
// RUN: sed -n 's/^\/\/ INDEXPTR: //p' %s > %t/indexptr.c
// RUN: %status 2 %quarn %t/indexptr.c %t/indexptr.asm 2> %t/indexptr.err
// RUN: %check --check-prefix=INDEXPTRERR %s < %t/indexptr.err
// RUN: sed -n 's/^\/\/ CALLVAR: //p' %s > %t/callvar.c
// RUN: %status 2 %quarn %t/callvar.c %t/callvar.asm 2> %t/callvar.err
// RUN: %check --check-prefix=CALLVARERR %s < %t/callvar.err
// RUN: sed -n 's/^\/\/ VOIDVALUE: //p' %s > %t/voidvalue.c
// RUN: %status 2 %quarn %t/voidvalue.c %t/voidvalue.asm 2> %t/voidvalue.err
// RUN: %check --check-prefix=VOIDVALUEERR %s < %t/voidvalue.err
// RUN: sed -n 's/^\/\/ INDEXFUNC: //p' %s > %t/indexfunc.c
// RUN: %status 2 %quarn %t/indexfunc.c %t/indexfunc.asm 2> %t/indexfunc.err
// RUN: %check --check-prefix=INDEXFUNCERR %s < %t/indexfunc.err
// RUN: sed -n 's/^\/\/ FUNCOPERAND: //p' %s > %t/funcoperand.c
// RUN: %status 2 %quarn %t/funcoperand.c %t/funcoperand.asm 2> %t/funcoperand.err
// RUN: %check --check-prefix=FUNCOPERANDERR %s < %t/funcoperand.err
//
// INDEXVAR: int x;
// INDEXVAR: int f()
// INDEXVAR: {
// INDEXVAR:     return x[1];
// INDEXVAR: }
// INDEXVARERR:line 4: error: expected array name
//
// INDEXPTR: char *p;
// INDEXPTR: int x;
// INDEXPTR: int f()
// INDEXPTR: {
// INDEXPTR:     x = p[0] + 1;
// INDEXPTR: }
// INDEXPTRERR:line 5: error: expected array name
//
// CALLVAR: int x;
// CALLVAR: int f()
// CALLVAR: {
// CALLVAR:     if (x(2) == 1) x = 0;
// CALLVAR: }
// CALLVARERR:line 4: error: expected function/procedure
//
// VOIDVALUE: int x;
// VOIDVALUE: void g()
// VOIDVALUE: {
// VOIDVALUE: }
// VOIDVALUE: int f()
// VOIDVALUE: {
// VOIDVALUE:     x = g();
// VOIDVALUE: }
// VOIDVALUEERR:line 7: error: expected function
//
// INDEXFUNC: int g()
// INDEXFUNC: {
// INDEXFUNC:     return 1;
// INDEXFUNC: }
// INDEXFUNC: int f()
// INDEXFUNC: {
// INDEXFUNC:     return g[0];
// INDEXFUNC: }
// INDEXFUNCERR:line 7: error: function/procedure unexpected
//
// FUNCOPERAND: int g()
// FUNCOPERAND: {
// FUNCOPERAND:     return 1;
// FUNCOPERAND: }
// FUNCOPERAND: int f()
// FUNCOPERAND: {
// FUNCOPERAND:     return 2 * g + 1;
// FUNCOPERAND: }
// FUNCOPERANDERR:line 7: error: function/procedure unexpected
