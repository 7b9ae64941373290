// A const symbol is an immediate operand sized by its type: char in decimal, int in decimal from -127 to 1023 and in hex outside, a const pointer as an int.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
const char letter = 65;
const int small = 1023;
const int large = 1024;
const int low = -127;
const int lower = -128;
const char *port = 53248;
char c;
int i;
char f()
{
    return c + letter;
}
// CHECK-LABEL:ZF EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA C
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC #>65
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
int g()
{
    return i + small;
}
// CHECK-LABEL:ZG EQU *
// CHECK: ADC #>1023
// CHECK: ADC #<1023
int h()
{
    return i + large;
}
// CHECK-LABEL:ZH EQU *
// CHECK: ADC #>$0400
// CHECK: ADC #<$0400
int k()
{
    return i + low;
}
// CHECK-LABEL:ZK EQU *
// CHECK: ADC #>-127
// CHECK: ADC #<-127
int m()
{
    return i + lower;
}
// CHECK-LABEL:ZM EQU *
// CHECK: ADC #>$FF80
// CHECK: ADC #<$FF80
char n()
{
    return *port;
}
// CHECK-LABEL:ZN EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA #>$D000
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA #<$D000
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDY #0
// CHECK-NEXT: LDA (BX),Y
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
