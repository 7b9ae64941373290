// A floating value assigned without -O has no integer value to store and stops the compilation; with -O the conversion folds to an integer constant and is stored.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 2 %quarn %s %t/out.asm 2> %t/err
// RUN: %check --check-prefix=ERR %s < %t/err
// RUN: %run %s -O | FileCheck --check-prefix=OPT %s
int i;
int main()
{
    i = 7;
    i = 2.5;    // 2 under -O, no value without
    return i;
}
// ERR:line 10: warning: type truncation of rvalue to lvalue, possible data loss
// ERR-NEXT:line 10: error: undefined type
// OPT: result: 2
