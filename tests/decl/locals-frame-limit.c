// The frame is allocated with a one-byte operand: locals that round up to 254
// bytes fit, one byte more is refused, and so is a dimension too large to count.
// RUN: rm -rf %t && mkdir -p %t && split-file %s %t
// RUN: %quarn %t/fits.c %t/fits.asm
// RUN: %check --check-prefix=FITS %s < %t/fits.asm
// RUN: %status 2 %quarn %t/over.c %t/over.asm 2> %t/over.err
// RUN: %check --check-prefix=OVER %s < %t/over.err
// RUN: %check --check-prefix=OVERASM %s < %t/over.asm
// RUN: %status 2 %quarn %t/huge.c %t/huge.asm 2> %t/huge.err
// RUN: %check --check-prefix=HUGE %s < %t/huge.err
// FITS:AZF EQU $FF04
// FITS-NEXT:BZF EQU $FF03
// FITS: SBC #$FE
// OVER:line 4: error: too many local variables
// OVERASM:AZF EQU $FF03
// OVERASM-NOT:BZF
// HUGE:line 3: error: too many local variables
//--- fits.c
void f()
{
    char a[253];
    char b; // the 254th byte
}
//--- over.c
void f()
{
    int a[127];
    char b; // the 255th byte
}
//--- huge.c
void f()
{
    char a[4294967295]; // wraps to -1 when scanned
}
