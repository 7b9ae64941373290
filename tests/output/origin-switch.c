// -B gives the ORG address: the hexadecimal value after "-B:", kept as its
// low 16 bits, in either case. Without a readable value, or with FFFF (which
// cannot be told from no -B), the origin is $2000. The last -B wins.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %quarn -B:C000 %s %t/c000.asm
// RUN: %check --check-prefix=C000 %s < %t/c000.asm
// RUN: %quarn -B:12345 %s %t/wide.asm
// RUN: %check --check-prefix=WIDE %s < %t/wide.asm
// RUN: %quarn -B:c0de %s %t/lower.asm
// RUN: %check --check-prefix=LOWER %s < %t/lower.asm
// RUN: %quarn -B:1000 -B:3000 %s %t/last.asm
// RUN: %check --check-prefix=LAST %s < %t/last.asm
// RUN: %quarn -B:FFFF %s %t/ffff.asm
// RUN: %quarn -B:zz %s %t/unread.asm
// RUN: %quarn -B %s %t/bare.asm
// RUN: %quarn -B:0800 -Bxyz %s %t/kept.asm
// RUN: %check --check-prefix=DEFAULT %s < %t/ffff.asm
// RUN: %check --check-prefix=DEFAULT %s < %t/unread.asm
// RUN: %check --check-prefix=DEFAULT %s < %t/bare.asm
// RUN: %check --check-prefix=KEPT %s < %t/kept.asm
// C000:REF EQU $FE
// C000:R2F EQU REF+1
// C000-EMPTY:
// C000-NEXT: ORG $C000
// C000-NEXT: JMP ZMAIN
// WIDE: ORG $2345
// LOWER: ORG $C0DE
// LAST: ORG $3000
// DEFAULT: ORG $2000
// KEPT: ORG $0800
