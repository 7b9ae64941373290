// Integer constants: decimal, octal after a leading 0, hexadecimal after 0x
// or 0X (0x alone is 0), true as all bits set and false as 0, and decimal
// digits wrapping in 32 bits.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
// RUN: %run %s | FileCheck --check-prefix=SIM %s
// RUN: %run %s -O | FileCheck --check-prefix=SIM %s
int dec = 1234;
int oct = 017;
int hex = 0x1F;
int hexup = 0XfF;
int hexnone = 0x;
int wrap = 4294967297;
int wrapsign = 2147483648;
bool yes = true;
bool no = false;
int main()
{
    return oct + hex + hexup + wrap;
}
// CHECK:DEC: DW 1234
// CHECK:OCT: DW 15
// CHECK:HEX: DW 31
// CHECK:HEXUP: DW 255
// CHECK:HEXNONE: DW 0
// CHECK:WRAP: DW 1
// CHECK:WRAPSIGN: DW -2147483648
// CHECK:YES: DFB -1
// CHECK:NO: DFB 0
// 15 + 31 + 255 + 1 = 302, whose low byte is 46.
// SIM:result: 46
