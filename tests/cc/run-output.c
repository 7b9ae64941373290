// --run prints the low byte of main's value, the cycles, and the whole of BX
// read unsigned and signed; also with the program's own stack at the bottom of
// the stack page (-S:01FF), from another origin, and as quarn-run. A program
// written with -o runs on sim65 as it is.
// RUN: rm -rf %t && mkdir -p %t
// RUN: quarn-cc --run %s | %check %s
// RUN: quarn-cc --run -S:01FF %s | %check %s
// RUN: quarn-cc -B:4000 %s -O --run | %check %s
// RUN: %run %s | %check %s
// CHECK:result: 212
// CHECK-NEXT:cycles: {{[0-9]+}}
// CHECK-NEXT:bx: 65236 unsigned, -300 signed
// RUN: quarn-cc -o %t/p.bin %s
// RUN: %status 212 sim65 %t/p.bin
// Bytes of BX that read as digits ($38 is "8") are not taken for the count.
// RUN: sed 's/-300/14584/' %s > %t/digits.c
// RUN: quarn-cc --run %t/digits.c | %check --check-prefix=DIGITS %s
// DIGITS:result: 248
// DIGITS-NEXT:cycles: {{[0-9]+}}
// DIGITS-NEXT:bx: 14584 unsigned, 14584 signed
int main()
{
    return -300;
}
