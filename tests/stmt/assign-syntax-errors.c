// A declared name followed by none of [ ( = is reported with its assembler name and skipped to the next }, where the expected ; ends the run (the } has already counted its newline); a declared name followed by : is not a label.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 2 %quarn %s %t/out.asm 2> %t/err
// RUN: %check %s < %t/err
// RUN: sed 's/^    x + 1;/    x: x = 1;/' %s > %t/label.c
// RUN: %status 2 %quarn %t/label.c %t/label.asm 2> %t/label.err
// RUN: %check --check-prefix=LABEL %s < %t/label.err
int x;
int main()
{
    x + 1;
    x = 2;
}
// CHECK:error: what do you want me to do with X
// CHECK-NEXT:line 11: syntax error
// CHECK-NEXT:error: expected ; but found }
// CHECK-NEXT:line 14: syntax error
// LABEL:error: what do you want me to do with X
// LABEL-NEXT:line 11: syntax error
// LABEL-NEXT:error: expected ; but found }
// LABEL-NEXT:line 14: syntax error
