// Operators computed on the 6502, inline and through the runtime routines of
// -C: carries and borrows across bytes, signed and unsigned comparisons,
// conversions, && and ||, an expression that needs every temporary, products,
// quotients and remainders of one, two and four bytes (a zero divisor gives
// all one bits and leaves the dividend), and shifts. main returns the number
// of the first check that fails, 0 when all pass.
// RUN: %run %s 2>/dev/null | FileCheck %s
// RUN: %run %s -O 2>/dev/null | FileCheck %s
// RUN: %run %s -C 2>/dev/null | FileCheck %s
// RUN: %run %s -C -O 2>/dev/null | FileCheck %s
// CHECK: result: 0
int ia; int ib; int ic; int id; unsigned int u; signed char ca; char cb; unsigned char uc; bool b;
unsigned int w[8];
struct {} qa[2];
struct {} qb[2];
struct {} unit[2];
struct {} cnt[2];
// Copies w into qa, qb, unit and cnt: four-byte values are written byte by byte.
void load()
{
    asm LDY #15
copy:
    asm LDA W,Y
    asm STA QA,Y
    asm DEY
    asm BPL ZCOPYZLOAD
}
int main()
{
    int local;
    ia = 1000; ib = 3000; ca = 250;
    if (ib - ia != 2000) return 1;
    if (-ia + ib != 2000) return 2;
    if (ca + 10 != 4) return 3;
    if ((ia & 255) != 232) return 4;
    if ((ia | 1) != 1001 || ((ia ^ ib) != 2128)) return 5;
    if (~ia != -1001) return 6;
    ia = -5; u = 65531; if (!(ia < 3) || !(u > 3)) return 7;
    ia = 30000; ib = -30000; if (!(ib < ia) || !(ia >= ib)) return 8;   // ib - ia overflows
    if (!(ib <= ib) || (ia > ia)) return 9;
    uc = 200; ca = -56; if (!(uc > 100) || !(ca < 100)) return 10;
    ia = 300; ca = -1; if (char(ia) != 44) return 11;
    b = 1 < 2; if (ia + b != 301) return 12;                           // true widens to 1
    if (ia + ca != 555) return 13;
    ia = 256; ib = 256; if (ia && ib) return 14;                        // a zero low byte
    if (ia < ib && ib < 300) return 15;
    if (ia < ib || ib < 300) ia = 5; else return 16;
    if (ia + (ia + (ia + (ia + (ia + (ia + ia))))) != 35) return 17;
    ca = 13; cb = 11; if (int(ca * cb) != 143) return 18;
    ca = 200; cb = 3; if (int(ca * cb) != 88) return 19;
    ca = 250; cb = 7; if (int(ca / cb) != 35 || (int(ca % cb) != 5)) return 20;
    cb = 250; if (int(ca / cb) != 1 || (int(ca % cb) != 0)) return 21;
    cb = 0; if (int(ca / cb) != 255 || (int(ca % cb) != 250)) return 22;
    ia = 300; ib = 300; if (ia * ib != 24464) return 23;
    ia = 60000; ib = 7; if (ia / ib != 8571 || (ia % ib != 3)) return 24;
    ia = 1000; ib = 0; if (ia / ib != -1 || (ia % ib != 1000)) return 25;
    ia = 65535; ib = 256; if (ia / ib != 255 || (ia % ib != 255)) return 26;
    ia = 5; ib = 6; ic = 7; id = 8;
    if (ia + ib * ic != 47 || (ia * ib + ic * id != 86)) return 27;
    if (id - ia * (ib + ic) != -57 || ((ia + ib) * (ic + id) != 165)) return 28;
    if (ia * ib / ic % id != 4 || (1000 / (ia * ib) != 33)) return 29;
    if (ia + (ib + (ic + id % ic * ib)) != 24) return 30;
    local = 12; if (local * local - local / ia != 142) return 31;
    ca = 5; cb = 3; if (int(ca << cb) != 40 || (int(ca << 6) != 64)) return 32;
    ca = 200; if (int(ca >> cb) != 25 || (int(ca >> 7) != 1)) return 33;
    ia = 3; ib = 4; if (ia << ib != 48 || (ia << 5 != 96) || (ia << 14 != -16384)) return 34;
    ia = -1; if (ia >> ib != 4095 || (ia >> 1 != 32767) || (ia >> 9 != 127)) return 35;
    ia = 1000; if (ia * 8 != 8000 || (ia / 16 != 62) || (ia % 16 != 8)) return 36;
    // qa = 100000, qb = 300, unit = 65536, cnt = 4
    w[0] = 34464; w[1] = 1; w[2] = 300; w[5] = 1; w[6] = 4;
    load();
    if (int(*qa * *qb) != 50048 || (int(*qa * *qb / *unit) != 457)) return 37;
    if (int(*qa / *qb) != 333 || (int(*qa % *qb) != 100)) return 38;
    if (int(*qb * *qb * *qb) != 64704) return 39;
    if (int(*unit / *qa) != 0 || (int(*qa % *unit) != 34464)) return 40;
    if (int(*qa << *cnt) != 27136 || (int((*qa << *cnt) / *unit) != 24)) return 41;
    if (int(*qa >> *cnt) != 6250 || (ia + int(*qa / *qb) != 1333)) return 42;
    return 0;
}
