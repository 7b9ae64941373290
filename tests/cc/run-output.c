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
int main()
{
    return -300;
}
