// An undeclared name that starts a statement, alone or after *, and is not a label is named with its scope, then the run stops.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 2 %quarn %s %t/out.asm 2> %t/err
// RUN: %check %s < %t/err
// RUN: sed 's/^    missing = 1;/    *missing = 1;/' %s > %t/star.c
// RUN: %status 2 %quarn %t/star.c %t/star.asm 2> %t/star.err
// RUN: %check %s < %t/star.err
int main()
{
    missing = 1;
}
// CHECK:error: missing@main undefined
// CHECK-NEXT:line 10: error: undefined symbol
