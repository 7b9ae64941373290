// An if body of one statement without braces is skipped by a short branch: a
// body of more than 127 bytes stops the assembler, while the same body in
// braces is jumped over with JMP and runs.
// RUN: rm -rf %t && mkdir -p %t
// RUN: sed 's/BRACE//; s/^END$//' %s > %t/bare.c
// RUN: %status 2 %run %t/bare.c 2>&1 | FileCheck --check-prefix=RANGE %s
// RANGE: Error: Range error ({{[0-9]+}} not in [-128..127])
// RUN: sed 's/BRACE/{/; s/END/}/' %s > %t/braced.c
// RUN: %run %t/braced.c | FileCheck --check-prefix=BRACED %s
// BRACED: result: 36
int a[4];
int b[4];
int x;
int main()
{
    x = 1;
    a[2] = 6;
    b[3] = 8;
    b[1] = 2;
    a[3] = 0;
    if (x == 1) BRACE
        a[x] = a[x + 1] * b[x + 2] / (a[3] + b[x]) + a[2] * b[1];
END
    return a[1];
}
