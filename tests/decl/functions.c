// Functions: parameters sit above the return address, the last at $0004, two
// bytes each, written last to first and closed by an empty line; automatic
// locals take 1 - (bytes so far); the frame is their size rounded up to an
// even count (no allocation without locals, up to 254 bytes); static and const
// locals are placed like file-level data where they stand, and an automatic
// local's initialiser is dropped with a warning on standard output.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm | %check --check-prefix=OUT %s
// RUN: %check %s < %t/out.asm
// RUN: %quarn -V %s %t/ram.asm > /dev/null
// RUN: %check --check-prefix=RAM %s < %t/ram.asm
int x;
int f(int a, char b, char *p, bool y, unsigned int z)
{
    char none[0];
    char c;
    auto int d[2];
    int x;
    bool u, v;
    static int s;
    const int k = 3;
    int i = 4;
    static char t = 9;
}
// CHECK:X DS 2
// CHECK-NEXT:ZZF EQU $0004
// CHECK-NEXT:YZF EQU $0006
// CHECK-NEXT:PZF EQU $0008
// CHECK-NEXT:BZF EQU $000A
// CHECK-NEXT:AZF EQU $000C
// CHECK-EMPTY:
// CHECK-NEXT:NONEZF EQU $0001
// CHECK-NEXT:CZF EQU $0000
// CHECK-NEXT:DZF EQU $FFFC
// CHECK-NEXT:XZF EQU $FFFA
// CHECK-NEXT:UZF EQU $FFF9
// CHECK-NEXT:VZF EQU $FFF8
// CHECK-NEXT:SZF DS 2
// CHECK-EMPTY:
// CHECK-NEXT:;;DSEG
// CHECK-NEXT:KZF: DW 3
// CHECK-EMPTY:
// CHECK-NEXT:;;DSEG
// CHECK-NEXT:IZF EQU $FFF6
// CHECK-EMPTY:
// CHECK-NEXT:;;DSEG
// CHECK-NEXT:TZF: DFB 9
// CHECK-NEXT:* 
// CHECK-NEXT:ZF EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT: STX BP
// CHECK-NEXT: TSX
// CHECK-NEXT: TXA
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC #$0C
// CHECK-NEXT: TAX
// CHECK-NEXT: TXS
// CHECK-NEXT: LDX BP
// CHECK-NEXT: TXS
// CHECK-NEXT: PLA
// CHECK-NEXT: TAX
// CHECK-NEXT: RTS
// OUT:warning: initialization of local variable must be done in code
// OUT-NOT:warning
// RAM:X EQU $0200
// RAM:SZF EQU $0202
// RAM:KZF: DW 3
// RAM:TZF EQU $0204
// A name that upper-cases to MAIN is the entry point.
void Main(char a, int c)
{
}
// CHECK-NEXT:CZMAIN EQU $0004
// CHECK-NEXT:AZMAIN EQU $0006
// CHECK-EMPTY:
// CHECK-NEXT:* 
// CHECK-NEXT:ZMAIN EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT: TXS
void h()
{
    char big[253];
    char last;
}
// CHECK:BIGZH EQU $FF04
// CHECK-NEXT:LASTZH EQU $FF03
// CHECK: SBC #$FE
