// Expressions nested 200 deep compile; 201 levels of parentheses or unary
// operators, and an operator chain of 100000 terms, stop with a clear error
// instead of exhausting the compiler's stack.
// RUN: rm -rf %t && mkdir -p %t
// RUN: python3 -c "print('int x; int f() { x = ' + '(' * 200 + 'x' + ')' * 200 + '; }')" > %t/deep.c
// RUN: %quarn -O %t/deep.c %t/deep.asm
// RUN: python3 -c "print('int x; int f() { x = ' + '(' * 201 + 'x' + ')' * 201 + '; }')" > %t/parens.c
// RUN: %status 2 %quarn %t/parens.c %t/parens.asm 2> %t/parens.err
// RUN: %check %s < %t/parens.err
// RUN: python3 -c "print('int x; int f() { x = ' + '-' * 201 + 'x; }')" > %t/unary.c
// RUN: %status 2 %quarn %t/unary.c %t/unary.asm 2> %t/unary.err
// RUN: %check %s < %t/unary.err
// RUN: python3 -c "print('int x; int f() { x = x' + ' + x' * 99999 + '; }')" > %t/chain.c
// RUN: %status 2 %quarn -O %t/chain.c %t/chain.asm 2> %t/chain.err
// RUN: %check %s < %t/chain.err
// RUN: python3 -c "print('int x = 1' + ' + 1' * 99999 + ';')" > %t/init.c
// RUN: %status 2 %quarn %t/init.c %t/init.asm 2> %t/init.err
// RUN: %check %s < %t/init.err
// CHECK:line 1: error: nesting too deep
