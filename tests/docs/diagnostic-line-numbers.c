// A diagnostic raised while the token that ends a line is the lookahead names
// the next line: the scanner has already counted that line's newline. One
// raised in the middle of a line names its own line: the truncation on line
// 18 is reported on line 19, the note and warning of line 20 on line 20.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 1 %quarn %s %t/out.asm > %t/out 2> %t/err
// RUN: %check --check-prefix=NOTE %s < %t/out
// RUN: %check --check-prefix=WARN %s < %t/err
// NOTE:line 19: note: lvalue expected 03 type, rvalue found 04 type
// NOTE-NEXT:line 20: note: lvalue expected 03 type, rvalue found 04 type
// WARN:line 19: warning: type truncation of rvalue to lvalue, possible data loss
// WARN-NEXT:line 20: applying boolean AND to non boolean value
int main()
{
    char c;
    int i;
    i = 300;
    c = i;
    i = 2;
    c = 9; if (i && i) return c;
    return 0;
}
