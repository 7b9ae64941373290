// A global whose name is one of the header's own equates (n, bx, bp, ...)
// cannot be told apart from it by any assembler: the run stops with the
// assembler's complaint and exit status 2.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 2 %run %s > %t/out 2> %t/err
// RUN: %check %s < %t/err
// RUN: count 0 < %t/out
// CHECK:{{.*}}Error: Symbol 'N' is already defined
// CHECK:quarn-run: assembling failed (--keep DIR keeps the translated source)
int n;

int main()
{
    n = 1;
    return n;
}
