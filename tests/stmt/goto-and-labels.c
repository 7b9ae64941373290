// A goto may precede its label; both name the label as Z plus its assembler name, which carries the function's name, so two functions may use the same label.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
int f()
{
done:
    asm NOP
}
int main()
{
    goto done;
    asm INX
done:
    goto done;
}
// CHECK:ZF EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT:* 
// CHECK-NEXT:ZDONEZF EQU *
// CHECK-NEXT: NOP
// CHECK:ZMAIN EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT:* goto 
// CHECK-NEXT: JMP ZDONEZMAIN
// CHECK-NEXT: INX
// CHECK-NEXT:* 
// CHECK-NEXT:ZDONEZMAIN EQU *
// CHECK-NEXT:* goto 
// CHECK-NEXT: JMP ZDONEZMAIN
// CHECK-NEXT: TXS
