// Argument checks count parameters with one counter for all calls: after a
// call with arguments nested in a later argument, that argument is checked
// against a later parameter (or none), so pick(1, add(2, 3), n) draws no note
// for the int add(2, 3) given to the char c, while pick(1, m, n) does. An
// argument wider than its parameter draws the note on standard output and,
// unless it is a constant, the truncation warning.
// RUN: rm -rf %t && mkdir -p %t && split-file %s %t
// RUN: %status 0 %quarn %t/nested.c %t/out.asm > %t/nested.out
// RUN: not grep note %t/nested.out
// RUN: %status 1 %quarn %t/direct.c %t/out.asm > %t/direct.out 2> %t/direct.err
// RUN: %check --check-prefix=NOTE %s < %t/direct.out
// RUN: %check --check-prefix=WARN %s < %t/direct.err
// RUN: %status 0 %quarn %t/constant.c %t/out.asm > %t/constant.out 2> %t/constant.err
// RUN: %check --check-prefix=NOTE %s < %t/constant.out
// RUN: count 0 < %t/constant.err

// NOTE:line 3: note: parameter expected 03 type, argument found 04 type
// WARN:line 3: warning: type truncation of argument to parameter, possible data loss

//--- nested.c
int add(int a, int b) { return a + b; }
int pick(int a, char c, int b) { return a + b; }
int main() { int n; n = 300; return pick(1, add(2, 3), n); }
//--- direct.c
int add(int a, int b) { return a + b; }
int pick(int a, char c, int b) { return a + b; }
int main() { int m; int n; m = 2; n = 300; return pick(1, m, n); }
//--- constant.c
int add(int a, int b) { return a + b; }
int pick(int a, char c, int b) { return a + b; }
int main() { int n; n = 300; return pick(1, 300, n); }
