// Int constants are written in decimal from -127 to 1023 and in four hex digits outside; char constants always in decimal.
// RUN: rm -rf %t && mkdir -p %t && %quarn -O %s %t/out.asm
// RUN: %check %s < %t/out.asm
// RUN: %quarn %s %t/plain.asm
// RUN: %check --check-prefix=PLAIN %s < %t/plain.asm
int i;
char c;
int f()
{
    return i + 1023;
}
// CHECK-LABEL:ZF EQU *
// CHECK: ADC #>1023
// CHECK: ADC #<1023
// PLAIN-LABEL:ZF EQU *
// PLAIN: ADC #>1023
// PLAIN: ADC #<1023
int g()
{
    return i + 1024;
}
// CHECK-LABEL:ZG EQU *
// CHECK: ADC #>$0400
// CHECK: ADC #<$0400
// PLAIN-LABEL:ZG EQU *
// PLAIN: ADC #>$0400
// PLAIN: ADC #<$0400
int h()
{
    return i + -127;
}
// CHECK-LABEL:ZH EQU *
// CHECK: ADC #>-127
// CHECK: ADC #<-127
int k()
{
    return i + -128;
}
// CHECK-LABEL:ZK EQU *
// CHECK: ADC #>$FF80
// CHECK: ADC #<$FF80
int m()
{
    return i & 65535;
}
// CHECK-LABEL:ZM EQU *
// CHECK: AND #>$FFFF
// CHECK: AND #<$FFFF
char n()
{
    return c + 200;
}
// CHECK-LABEL:ZN EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA C
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC #>200
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
