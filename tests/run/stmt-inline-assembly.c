// asm lines run in place: they can set a variable and take part in control flow.
// RUN: %run %s | FileCheck %s
// CHECK: result: 42
char g;
int main()
{
    g = 1;
    if (g) asm LDA #40
    asm STA G
    _asm INC G
    asm
        INC G
    return g;
}
