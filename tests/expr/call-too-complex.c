// A call whose result would land past the last register (seven words live) stops with "expression too complex" before any of its code is written.
// RUN: rm -rf %t && mkdir -p %t && %status 2 %quarn %s %t/out.asm 2> %t/err
// RUN: %check %s < %t/out.asm
// RUN: %check --check-prefix=ERR %s < %t/err
int a;
int value()
{
    return 1;
}
int main()
{
    return a + (a + (a + (a + (a + (a + (a + value()))))));
}
// CHECK:ZMAIN EQU *
// CHECK:* return 
// CHECK-NOT: PHA
// ERR:line {{[0-9]+}}: error: expression too complex
