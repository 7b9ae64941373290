// Type notes go to standard output, also for a constant stored into a char,
// and do not change the exit status; warnings and errors go to standard
// error with their line numbers.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 1 %quarn %s %t/out.asm > %t/out 2> %t/err
// RUN: %check --check-prefix=OUT %s < %t/out
// RUN: %check --check-prefix=ERR %s < %t/err
// OUT:line 15: note: lvalue expected 03 type, rvalue found 04 type
// OUT-NEXT:line 16: note: lvalue expected 03 type, rvalue found 04 type
// ERR:line 16: warning: type truncation of rvalue to lvalue, possible data loss
// ERR-NOT:note
int main()
{
    char c;
    int i; c = 7; i = 1;
    c = i; return c;
}
