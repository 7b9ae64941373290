// A call statement calls the function and drops its result; calling what is not a function, indexing a function or assigning to a function without a value stops the run.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
// RUN: sed 's/^    proc();/    x(1);/' %s > %t/notfunction.c
// RUN: %status 2 %quarn %t/notfunction.c %t/out.asm 2> %t/notfunction.err
// RUN: %check --check-prefix=NOTFUNCTION %s < %t/notfunction.err
// RUN: sed 's/^    proc();/    value[0] = 1;/' %s > %t/indexed.c
// RUN: %status 2 %quarn %t/indexed.c %t/out.asm 2> %t/indexed.err
// RUN: %check --check-prefix=INDEXED %s < %t/indexed.err
// RUN: sed 's/^    proc();/    proc = 1;/' %s > %t/novalue.c
// RUN: %status 2 %quarn %t/novalue.c %t/out.asm 2> %t/novalue.err
// RUN: %check --check-prefix=NOVALUE %s < %t/novalue.err
int x;
void proc()
{
}
int value()
{
    return x;
}
int main()
{
    proc();
    value();
}
// CHECK:ZMAIN EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT: JSR ZPROC
// CHECK-NEXT: JSR ZVALUE
// CHECK-NEXT: TXS
// NOTFUNCTION:line 23: error: expected function/procedure
// INDEXED:line 23: error: function/procedure unexpected
// NOVALUE:line 23: error: expected function
