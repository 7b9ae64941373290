// The initialisation and the increment of for must be assignments: an empty one stops at the expected identifier.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 2 %quarn %s %t/out.asm 2> %t/err
// RUN: %check --check-prefix=ERR %s < %t/err
int main()
{
    for (;;) asm NOP
}
// ERR:error: expected ID but found ;
// ERR-NEXT:line 7: syntax error
