// The 254-byte bound holds for the automatic locals of each function on its
// own: static and const locals are placed as data and add nothing, and the
// next function starts again from an empty frame. A frame of 254 bytes
// rounds to $FE; the 255th byte in any function is refused.
// RUN: rm -rf %t && mkdir -p %t && split-file %s %t
// RUN: %quarn %t/fits.c %t/fits.asm
// RUN: %check --check-prefix=FITS %s < %t/fits.asm
// RUN: %status 2 %quarn %t/over.c %t/over.asm 2> %t/over.err
// RUN: %check --check-prefix=OVER %s < %t/over.err
// FITS:SZF DS 1000
// FITS:KZF: DW 5
// FITS:AZF EQU $FF07
// FITS:C2ZF EQU $FF03
// FITS:ZF EQU *
// FITS: SBC #$FE
// FITS:DZG EQU $FF03
// FITS:ZG EQU *
// FITS: SBC #$FE
// OVER:line 13: error: too many local variables
// OVER-NOT:{{.}}
//--- fits.c
void f()
{
    static char s[1000];
    const int k = 5;
    char a[250];
    int b;
    char c;
    char c2;
}
void g()
{
    char d[254];
}
//--- over.c
void f()
{
    char a[254];
}
void g()
{
    static char s[1000];
    const int k = 5;
    char a[250];
    int b;
    char c;
    char c2;
    char c3; // the 255th byte
}
