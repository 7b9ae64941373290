// A switch may begin with '/' instead of '-': /O optimises exactly as -O does,
// and /B:, /S: read their values the same way.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %quarn /O %s %t/slash.asm > %t/slash.out
// RUN: %quarn -O %s %t/dash.asm
// RUN: %quarn %s %t/plain.asm
// RUN: diff %t/dash.asm %t/slash.asm
// RUN: not diff %t/plain.asm %t/slash.asm
// RUN: %check --check-prefix=QUIET %s < %t/slash.out
// RUN: %quarn /B:C000 /S:01FF %s %t/values.asm
// RUN: %check --check-prefix=VALUES %s < %t/values.asm
// QUIET-NOT:warning{{.*}}
// VALUES: ORG $C000
// VALUES-NEXT: LDX #>$01FF
// VALUES-NEXT: TXS
// VALUES-NEXT: JMP ZMAIN
int x;
int main()
{
    x = 2 + 3;
}
