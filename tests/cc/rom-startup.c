// The ROM start-up on sim65 (rom-sim65: the ROM layout, the RAM set to $A5
// before the start-up runs): initial values copied to the RAM, static locals
// and arrays cleared, the entry into main, with and without the program's own
// stack (-S), on a smaller board too. main reads its variables, writes them and
// reads them back, and returns the number of the first check that fails.
// ld65's map puts the copied (DATA) and cleared (BSS) variables in the RAM
// from $0200: c, i, k, step (7 bytes), then buf, z, calls (14 bytes).
// RUN: rm -rf %t && mkdir -p %t
// RUN: quarn-cc --target rom-sim65 --keep %t/k --run %s | %check %s
// RUN: quarn-cc --target rom-sim65 -S:01C0 -O --run %s | %check %s
// RUN: quarn-cc --target rom-sim65 -S:01C0 -O --opt --run %s | %check %s
// RUN: quarn-cc --target rom-sim65 --rom-size 8192 --ram '$0000-$07FF' --zp '$0080' --keep %t/small --run %s | %check %s
// CHECK:result: 0
// RUN: FileCheck --check-prefix=MAP %s < %t/k/program.map
// RUN: FileCheck --check-prefix=MAP %s < %t/small/program.map
// MAP: Segment list:
// MAP: DATA 000200 000206 000007
// MAP-NEXT: BSS 000207 000214 00000E
char c = 100;
int i = 1000;
const int k = 7;
char buf[10];
int z;

int bump()
{
    static int calls;
    static int step = 5;
    calls = calls + step;
    return calls;
}

int main()
{
    int j;
    if (c != 100) return 1;
    if (i != 1000) return 2;
    if (k != 7) return 3;
    if (z != 0) return 4;
    j = 0;
    while (j < 10) {
        if (buf[j] != 0) return 5;
        buf[j] = char(j);
        j = j + 1;
    }
    if (bump() != 5) return 6;
    if (bump() != 10) return 7;
    c = char(c + 1);
    i = i + 1;
    z = -1;
    if (c != 101) return 8;
    if (i != 1001) return 9;
    if (z != -1) return 10;
    if (buf[9] != 9) return 11;
    return 0;
}
