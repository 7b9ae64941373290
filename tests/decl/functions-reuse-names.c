// Each function has its own scope: two functions may use the same parameter and
// local names, and the function suffix keeps their equates apart; a parameter
// or local may also reuse a file-level name.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
int x;
int first(int a, char b)
{
    int x;
    char c;
}
int second(char a, int b)
{
    char x;
    int c;
}
void third(int x)
{
}
// CHECK:X DS 2
// CHECK-NEXT:BZFIRST EQU $0004
// CHECK-NEXT:AZFIRST EQU $0006
// CHECK-EMPTY:
// CHECK-NEXT:XZFIRST EQU $FFFF
// CHECK-NEXT:CZFIRST EQU $FFFE
// CHECK-NEXT:* 
// CHECK-NEXT:ZFIRST EQU *
// CHECK: SBC #$04
// CHECK: RTS
// CHECK-NEXT:BZSECOND EQU $0004
// CHECK-NEXT:AZSECOND EQU $0006
// CHECK-EMPTY:
// CHECK-NEXT:XZSECOND EQU $0000
// CHECK-NEXT:CZSECOND EQU $FFFE
// CHECK-NEXT:* 
// CHECK-NEXT:ZSECOND EQU *
// CHECK: SBC #$04
// CHECK: RTS
// CHECK-NEXT:XZTHIRD EQU $0004
// CHECK-EMPTY:
// CHECK-NEXT:* 
// CHECK-NEXT:ZTHIRD EQU *
