// -C makes multiplication call the runtime helper; -I expands it inline,
// which is also the default. The later of the two switches wins.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %quarn -C %s %t/c.asm
// RUN: %quarn -I -C %s %t/ic.asm
// RUN: %quarn -C -I %s %t/ci.asm
// RUN: %quarn %s %t/default.asm
// RUN: %check --check-prefix=HELPER %s < %t/c.asm
// RUN: diff %t/c.asm %t/ic.asm
// RUN: diff %t/default.asm %t/ci.asm
// RUN: not grep HELPER %t/ci.asm
// HELPER: JSR ZMUL16HELPER
int x;
int y;
int main()
{
    x = x * y;
}
