// asm and _asm copy the rest of their line after one blank, without its leading blanks and tabs; a keyword at the end of a line takes the next line, and the line count stays right.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 2 %quarn %s %t/out.asm 2> %t/err
// RUN: %check %s < %t/out.asm
// RUN: %check --check-prefix=ERR %s < %t/err
// RUN: python3 -c "print(chr(10).join(['int main()', '{', '    asm NOP ;' + 'x' * 249, '    asm INX', '}']))" > %t/long.c
// RUN: %quarn %t/long.c %t/long.asm
// RUN: %check --check-prefix=LONG %s < %t/long.asm
int main()
{
    asm LDA #1
    _asm	  STA $0200   ; kept as written
    asm
    LDX #$FF
    break;
}
// CHECK:ZMAIN EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT: LDA #1
// CHECK-NEXT: STA $0200   ; kept as written
// CHECK-NEXT: LDX #$FF
// CHECK-NEXT: TXS
// ERR:line 15: syntax error
// A text of 254 characters and its newline fits the buffer whole.
// LONG: NOP ;{{x{249}$}}
// LONG-NEXT: INX
