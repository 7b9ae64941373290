// A program that does not compile: the compiler's diagnostics reach standard
// error, the run stops with exit status 1 and prints no result.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 1 %run %s > %t/out 2> %t/err
// RUN: %check %s < %t/err
// RUN: count 0 < %t/out
// CHECK:line 13: syntax error
// CHECK-NEXT:quarn-run: compiling {{.*}}run-compile-failure.c failed (status 2)
int main()
{
    int i;
    i = 1
    return i;
}
