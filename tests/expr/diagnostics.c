// Messages of expressions: argument notes (standard output; types masked to
// base type, pointer and array) and a truncation warning for a computed scalar;
// warnings for a bool left of *, /, %, << and >>, for ! or ~ of a floating
// value (not folded: 0 is written); fatal errors for misused names, chained
// comparisons and shifts, nesting, chains, and slots past the registers.
// RUN: rm -rf %t && mkdir -p %t && %status 1 %quarn %s %t/out.asm > %t/out 2> %t/err
// RUN: %check --check-prefix=NOTE --implicit-check-not=note %s < %t/out
// RUN: %check --check-prefix=WARN --implicit-check-not=line %s < %t/err
// RUN: %check --check-prefix=ASM %s < %t/out.asm
signed char pick(signed char a) { return a; }
int twice(int a, char *q) { return a + a; }
bool b; int x; int arr[2]; char c; char *p; int *ip;
int f()
{
    x = pick(1); // NOTE:line [[@LINE]]: note: parameter expected 03 type, argument found 04 type
    x = pick(x); // NOTE-NEXT:line [[@LINE]]: note: parameter expected 03 type, argument found 04 type
// WARN:line [[@LINE-1]]: warning: type truncation of argument to parameter, possible data loss
    x = twice(x, x); // NOTE-NEXT:line [[@LINE]]: note: parameter expected 83 type, argument found 04 type
    x = twice(p, p); // NOTE-NEXT:line [[@LINE]]: note: parameter expected 04 type, argument found 83 type
    x = twice(c, p, x);
    x = twice(x, arr); // NOTE-NEXT:line [[@LINE]]: note: parameter expected 83 type, argument found 104 type
    x = pick(ip); // NOTE-NEXT:line [[@LINE]]: note: parameter expected 03 type, argument found 84 type
    pick(-1); // NOTE-NEXT:line [[@LINE]]: note: parameter expected 03 type, argument found 04 type
// WARN-NEXT:line [[@LINE-1]]: warning: type truncation of argument to parameter, possible data loss
    x = b * b; // WARN-NEXT:line [[@LINE]]: '*' : unsafe use of type 'bool' in operation
// WARN-NEXT:line [[@LINE-1]]: '*' : unsafe use of type 'bool' in operation
    x = x / b; // WARN-NEXT:line [[@LINE]]: '/' : unsafe use of type 'bool' in operation
    x = b % 3 % 5; // WARN-NEXT:line [[@LINE]]: '%' : unsafe use of type 'bool' in operation
// WARN-NEXT:line [[@LINE-1]]: '%' : unsafe use of type 'bool' in operation
    x = b << 1; // WARN-NEXT:line [[@LINE]]: '<<' : unsafe use of type 'bool' in operation
    x = b >> x; // WARN-NEXT:line [[@LINE]]: '>>' : unsafe use of type 'bool' in operation
    x = x << b;
    x = b + b == b & b ^ b;
}
int n = !1.5 + 0; // WARN-NEXT:line [[@LINE]]: 'NOT' : unsafe use of type 'REAL' in operation
int t = ~2.5 + 0; // WARN-NEXT:line [[@LINE]]: 'NOT' : unsafe use of type 'REAL' in operation
// ASM:N: DW 0
// ASM:T: DW 0
// RUN: printf 'int x;\nint f()\n{\n    x = y;\n}\n' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>&1 | %check --check-prefix=UNDEFINED4 %s
// UNDEFINED4:line 4: error: undefined symbol
// RUN: printf 'int x = 2;\nint y = x + z;\n' > %t/c.c && %status 2 %quarn %t/c.c %t/c.asm 2>&1 | %check --check-prefix=UNDEFINED2 %s
// UNDEFINED2:line 2: error: undefined symbol
// RUN: echo 'char *p; int f() { return p[0] + 1; }' > %t/e.c && %status 2 %quarn %t/e.c %t/e.asm 2>&1 | %check --check-prefix=ARRAY %s
// ARRAY:line 1: error: expected array name
// RUN: echo 'int x; int f() { if (x(2) == 1) x = 0; }' > %t/f.c && %status 2 %quarn %t/f.c %t/f.asm 2>&1 | %check --check-prefix=CALL %s
// CALL:line 1: error: expected function/procedure
// RUN: echo 'int x; void g() {} int f() { x = g(); }' > %t/g.c && %status 2 %quarn %t/g.c %t/g.asm 2>&1 | %check --check-prefix=VOID %s
// VOID:line 1: error: expected function
// RUN: echo 'int g() { return 1; } int f() { return g[0]; }' > %t/h.c && %status 2 %quarn %t/h.c %t/h.asm 2>&1 | %check --check-prefix=FUNCTION %s
// RUN: echo 'int g() { return 1; } int f() { return 2 * g + 1; }' > %t/i.c && %status 2 %quarn %t/i.c %t/i.asm 2>&1 | %check --check-prefix=FUNCTION %s
// FUNCTION:line 1: error: function/procedure unexpected
// RUN: echo 'int a; int f() { if (a == 1 == 0) a = 2; }' > %t/j.c && %status 2 %quarn %t/j.c %t/j.asm 2>&1 | %check --check-prefix=CHAIN %s
// CHAIN:error: expected ) but found ==
// CHAIN-NEXT:line 1: syntax error
// RUN: echo 'int a; int f() { a = a < 1 < 2; }' > %t/k.c && %status 2 %quarn %t/k.c %t/k.asm 2>&1 | %check --check-prefix=LESS %s
// LESS:error: expected ; but found <
// RUN: echo 'int a; int f() { a = a & a << 2; }' > %t/l.c && %status 2 %quarn %t/l.c %t/l.asm 2>&1 | %check --check-prefix=SHIFT %s
// SHIFT:error: expected ; but found <<
// RUN: echo 'int a; int f() { a = a + ); }' > %t/m.c && %status 2 %quarn %t/m.c %t/m.asm 2>&1 | %check --check-prefix=OPERAND %s
// OPERAND:error: expected ID but found )
// OPERAND-NEXT:line 1: syntax error
// RUN: python3 -c "print('int x; int f() { x = ' + '(' * 200 + 'x' + ')' * 200 + '; }')" > %t/deep.c && %quarn -O %t/deep.c %t/deep.asm
// The bounds hold per expression: a function of many long chains and nestings compiles.
// RUN: python3 -c "print('int x; int a[2]; int g(int v) { return v; } int f() { ' + ('x = x' + ' * x' * 700 + ' + x' * 700 + ' & x' * 500 + '; ') * 3 + 'x = -(x) + a[x] + char(x) + g(x, x); ' * 2100 + '}')" > %t/many.c && %quarn %t/many.c %t/many.asm
// RUN: python3 -c "print('int x; int f() { x = ' + '(' * 201 + 'x' + ')' * 201 + '; }')" > %t/n.c && %status 2 %quarn %t/n.c %t/n.asm 2>&1 | %check --check-prefix=DEEP %s
// RUN: python3 -c "print('int x; int f() { x = ' + '-' * 201 + 'x; }')" > %t/o.c && %status 2 %quarn %t/o.c %t/o.asm 2>&1 | %check --check-prefix=DEEP %s
// RUN: python3 -c "print('int a[2]; int f() { return ' + 'a[' * 201 + '0' + ']' * 201 + '; }')" > %t/q.c && %status 2 %quarn %t/q.c %t/q.asm 2>&1 | %check --check-prefix=DEEP %s
// RUN: python3 -c "print('int x; int f() { x = x' + ' + x' * 99999 + '; }')" > %t/r.c && %status 2 %quarn -O %t/r.c %t/r.asm 2>&1 | %check --check-prefix=DEEP %s
// RUN: python3 -c "print('int x = 1' + ' + 1' * 99999 + ';')" > %t/s.c && %status 2 %quarn %t/s.c %t/s.asm 2>&1 | %check --check-prefix=DEEP %s
// DEEP:line 1: error: nesting too deep
// Seven int operands deep fill the registers to R2EH; one more, or the
// counter of a constant shift past the unroll limit, has no register.
// RUN: echo 'int i; int f() { return i + (i + (i + (i + (i + (i + i))))); }' > %t/u.c && %quarn %t/u.c %t/u.asm
// RUN: %check --check-prefix=FULL %s < %t/u.asm
// FULL: ADC R2CH
// FULL-NEXT: STA R2AH
// RUN: echo 'int i; int f() { return i + (i + (i + (i + (i + (i + (i + i)))))); }' > %t/v.c && %status 2 %quarn %t/v.c %t/v.asm 2>&1 | %check --check-prefix=COMPLEX %s
// RUN: echo 'int a; int f() { return a + (a + (a + (a + (a + (a + (a << 5)))))); }' > %t/w.c && %status 2 %quarn -O %t/w.c %t/w.asm 2>&1 | %check --check-prefix=COMPLEX %s
// COMPLEX:line 1: error: expression too complex
