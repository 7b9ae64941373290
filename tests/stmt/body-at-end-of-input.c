// A body that reaches the end of input ends the statement list; the missing } stops the run on the line after the last, also inside an open block.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 2 %quarn %s %t/out.asm 2> %t/err
// RUN: %check %s < %t/err
// RUN: python3 -c "print('char k;' + chr(10) + 'int main() {' + chr(10) + 'while (k) {')" > %t/open.c
// RUN: %status 2 %quarn %t/open.c %t/open.asm 2> %t/open.err
// RUN: %check --check-prefix=OPEN %s < %t/open.err
// CHECK:error: expected } but found ID
// CHECK-NEXT:line 17: syntax error
// OPEN:error: expected statement such as if, while, or return but found ID
// OPEN-NEXT:line 4: syntax error
// OPEN-NEXT:error: expected } but found ID
// OPEN-NEXT:line 4: syntax error
int main()
{
    asm NOP
