// A token that cannot start a statement is reported, the rest of the body up to the next } is skipped, and compilation goes on: several errors in one run, exit status 2, trailer written.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 2 %quarn %s %t/out.asm 2> %t/err
// RUN: %check %s < %t/out.asm
// RUN: %check --check-prefix=ERR %s < %t/err
char k;
int main()
{
    break;
    asm SKIPPED
}
int f()
{
    asm INX
    if (k) switch;
    asm NOP
}
int g()
{
    ; asm SKIPPED
}
int h()
{
    asm DEX
}
// ERR:error: expected statement such as if, while, or return but found break
// ERR-NEXT:line 9: syntax error
// ERR-NEXT:error: expected statement such as if, while, or return but found switch
// ERR-NEXT:line 15: syntax error
// ERR-NEXT:error: expected statement such as if, while, or return but found ;
// ERR-NEXT:line 20: syntax error
// The body of main is skipped whole; f keeps what came before the error and
// the label of the if, which follows the skipped then-part.
// CHECK:ZMAIN EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT: TXS
// CHECK-NEXT: PLA
// CHECK-NEXT: TAX
// CHECK-NEXT: RTS
// CHECK:ZF EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT: INX
// CHECK-NEXT:* if ( 
// CHECK-NEXT: LDA K
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CMP #0
// CHECK-NEXT: BEQ LL1
// CHECK-NEXT:LL1 EQU *
// CHECK-NEXT: TXS
// CHECK:ZH EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT: DEX
// CHECK-NEXT: TXS
// CHECK-NEXT: PLA
// CHECK-NEXT: TAX
// CHECK-NEXT: RTS
// CHECK-NEXT: DB 81
