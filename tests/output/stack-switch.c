// -S adds the stack set-up between the origin and the jump to ZMAIN: X gets
// the low byte of the address (#>) and goes to SP. Without -S, or with FFFF,
// nothing is written there. A short value reads as four digits.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %quarn -S:01FF %s %t/s.asm
// RUN: %check --check-prefix=SET %s < %t/s.asm
// RUN: %quarn -S:1FF %s %t/short.asm
// RUN: %check --check-prefix=SET %s < %t/short.asm
// RUN: %quarn -S:01CF -B:C000 %s %t/both.asm
// RUN: %check --check-prefix=BOTH %s < %t/both.asm
// RUN: %quarn %s %t/none.asm
// RUN: %check --check-prefix=NONE %s < %t/none.asm
// RUN: %quarn -S:FFFF %s %t/ffff.asm
// RUN: %check --check-prefix=NONE %s < %t/ffff.asm
// SET: ORG $2000
// SET-NEXT: LDX #>$01FF
// SET-NEXT: TXS
// SET-NEXT: JMP ZMAIN
// BOTH: ORG $C000
// BOTH-NEXT: LDX #>$01CF
// BOTH-NEXT: TXS
// BOTH-NEXT: JMP ZMAIN
// NONE: ORG $2000
// NONE-NEXT: JMP ZMAIN
// NONE-NOT:{{.*}}TXS
