// The counter byte of a constant shift past the unroll limit is a register too: with seven words live it stops with "expression too complex".
// RUN: rm -rf %t && mkdir -p %t && %status 2 %quarn -O %s %t/out.asm 2> %t/err
// RUN: %check --check-prefix=ERR %s < %t/err
int a;
int main()
{
    return a + (a + (a + (a + (a + (a + (a << 5))))));
}
// ERR:line {{[0-9]+}}: error: expression too complex
