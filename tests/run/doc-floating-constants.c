// A floating constant in code has no value without -O (error: undefined
// type); with -O an assignment of a constant floating expression folds to its
// integer part, with the truncation warning: 3 * 1.5 stores 4. In an
// initialiser it always folds. (The diagnostics name line 17: the ";" ends
// line 16.)
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 2 %quarn %s %t/out.asm 2> %t/err
// RUN: %check --check-prefix=PLAIN %s < %t/err
// RUN: %run %s -O 2>&1 | FileCheck --check-prefix=OPT %s
// PLAIN:line 17: error: undefined type
// OPT: line 17: warning: type truncation of rvalue to lvalue, possible data loss
// OPT: result: 5
int k = 1.5;
int main()
{
    int x; x = 3 * 1.5;
    return x + k;
}
