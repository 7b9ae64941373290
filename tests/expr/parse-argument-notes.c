// Arguments whose base type differs from the parameter's: a note on standard
// output with both types masked to base type, pointer and array (a signed
// char parameter shows as 03), a truncation warning on standard error for a
// computed scalar cut to a narrower parameter, nothing for a wider parameter
// of the same pointerness or for arguments past the parameter list.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 1 %quarn %s %t/out.asm > %t/out 2> %t/err
// RUN: grep note %t/out > %t/notes
// RUN: sed -n 's/^\/\/ NOTE: //p' %s > %t/expected-notes
// RUN: diff %t/expected-notes %t/notes
// RUN: sed -n 's/^\/\/ WARN: //p' %s > %t/expected-warnings
// RUN: diff %t/expected-warnings %t/err
signed char pick(signed char a)
{
    return a;
}
int twice(int a, char *p)
{
    return a + a;
}
int x;
char c;
char *p;
int f()
{
    x = pick(1);
    x = pick(x);
    x = twice(x, x);
    x = twice(p, p);
    x = twice(c, p, x);
    pick(300);
}
// NOTE: line 26: note: parameter expected 03 type, argument found 04 type
// NOTE: line 27: note: parameter expected 03 type, argument found 04 type
// NOTE: line 28: note: parameter expected 83 type, argument found 04 type
// NOTE: line 29: note: parameter expected 04 type, argument found 83 type
// NOTE: line 31: note: parameter expected 03 type, argument found 04 type
// WARN: line 27: warning: type truncation of argument to parameter, possible data loss
