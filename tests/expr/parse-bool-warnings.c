// A bool operand of '*', '/' or '%' is warned about before and after the
// right operand (a chain of products keeps checking its first left operand),
// a bool left of a shift once; sums, comparisons and bitwise operators of
// bools are silent. The warnings only set the exit status to 1.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 1 %quarn %s %t/out.asm 2> %t/err
// RUN: sed -n 's/^\/\/ WARN: //p' %s > %t/expected
// RUN: diff %t/expected %t/err
// RUN: %check --check-prefix=ASM %s < %t/out.asm
bool b;
int x;
int f()
{
    x = (b * 2);
    x = (b * b);
    x = (x / b);
    x = (b % 3 % 5);
    x = (b << 1);
    x = (b >> x);
    x = (x << b);
    x = (b + b == b & b ^ b);
}
// WARN: line 14: '*' : unsafe use of type 'bool' in operation
// WARN: line 15: '*' : unsafe use of type 'bool' in operation
// WARN: line 15: '*' : unsafe use of type 'bool' in operation
// WARN: line 16: '/' : unsafe use of type 'bool' in operation
// WARN: line 17: '%' : unsafe use of type 'bool' in operation
// WARN: line 17: '%' : unsafe use of type 'bool' in operation
// WARN: line 18: '<<' : unsafe use of type 'bool' in operation
// WARN: line 19: '>>' : unsafe use of type 'bool' in operation
// ASM: RTS
