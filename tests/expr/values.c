// Values computed on the 6502: precedence, every operator family in one and
// two bytes (inline and -C), signed comparisons (an int constant never makes
// one signed; +, -, &, |, ^ stay signed when every non-constant operand is,
// - and ~ keep the sign, ! drops it), zero extension, elements, ports, calls,
// the folds of -O. main returns the number of the first failing check. (A
// comparison right of || is parenthesised, else its right operand is widened.)
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// RUN: %run %s -C | FileCheck %s
// RUN: %run %s -C -O | FileCheck %s
// CHECK: result: 0
int five, three, two, one, big, seven; int words[4]; unsigned int uw; signed int minus5;
unsigned char uc, nine; signed char sc; char bytes[4]; char *p; const int ten = 10;
int id(int v) { return v; }
int main()
{
    five = 5; three = 3; two = 2; one = 1; big = 1000; seven = 7;
    uc = 200; nine = 9; minus5 = -5; uw = 65531; sc = -3;
    words[2] = 300; bytes[0] = 77; bytes[3] = 66; p = bytes;
    if (five << 1 + 2 != 12 || ((five << three - two) != 38) || ((five - three << two + 1) != 9)) return 1;
    if (five + three << two != 32 || ((five >> 1 * 2) != 1) || (five - three - two != 0) || (five - (three - two) != 4)) return 2;
    if (five * three + two != 17 || (five + three * two != 11) || (five * three % two != 1) || (five / two * three != 6)) return 3;
    if (-five * three + two != -13 || (five * -three != -15) || (- -five != 5) || (+five + +three != 8)) return 4;
    if ((~five & 15) != 10 || ((five & three ^ two | 8) != 11) || ((five | three ^ two & 6) != 5)) return 5;
    if (big + big != 2000 || (big - 1001 != -1) || (-seven != -7) || (~big != -1001) || (!big != -1001)) return 6;
    if ((big & 240) != 224 || ((big | 3) != 1003) || ((big ^ 255) != 791)) return 7;
    if (char(uc + uc) != 144 || (char(uc - nine) != 191) || (char(-uc) != 56)) return 8;
    if (!(minus5 < 3) || !(uw > 3) || (one < uw) || !(uw > 10) || !(minus5 <= -5) || (minus5 >= -4)) return 9;
    if (!(uc > nine) || (uc <= nine) || !(sc < 1) || (sc > -3) || !(big != 1256) || (big == 1256)) return 10;
    if (char(uc * nine) != 8 || (uc / nine != 22) || (uc % nine != 2)) return 11;
    if (big * seven != 7000 || (big / seven != 142) || (big % seven != 6) || (seven * big != 7000)) return 12;
    if (big / (two * words[2]) != 1 || (big % (two * words[2]) != 400) || (uc / nine * nine + uc % nine != 200)) return 13;
    if (big * 128 != 62464 || (big / 256 != 3) || (big % 16 != 8) || (-seven % 4 != 1) || (-big / 4 != 16134)) return 14;
    if (big * 8 != 8000 || (8 * big != 8000) || (big * 0 != 0) || (big * 1 != 1000) || (big / 1 != 1000) || (big % 1 != 0)) return 15;
    if (big << 3 != 8000 || ((big >> 9) != 1) || ((big << seven) != 62464) || ((big >> seven) != 7)) return 16;
    if (char(uc >> 6) != 3 || (char(uc << 1) != 144) || (char(uc >> nine) != 0) || (char(nine << 4) != 144)) return 17;
    if (short(uc) != 200 || (char(big) != 232) || (uc + big != 1200) || (int(sc) != 253)) return 18;
    if (words[two] != 300 || (words[2] != 300) || (bytes[3] != 66) || (*(p + 3) != 66) || (*p != 77)) return 19;
    if (inp(bytes) != 77 || (inpw(words + 4) != 300)) return 20;
    if (seven + id(big) != 1007 || (id(id(seven)) != 7) || (id(big) * id(seven) != 7000)) return 21;
    if (2 + 3 * 4 != 14 || (ten * 2 + big != 1020) || (big - ten != 990)) return 22;
    if ((big + 1) + 2 != 1003 || (big + 1 + seven + 2 != 1010) || ((big + seven) + (seven + 1) != 1015)) return 23;
    if ((big + seven) + (seven - 1) != 1013 || (big + -seven != 993) || (-seven + big != 993) || (big - -seven != 1007)) return 24;
    if ((5 - big) + 3 != -992 || ((big * 3) * 5 != 15000) || ((big * 3) * seven != 21000) || (big * 3 * 4 != 12000)) return 25;
    if (1 == big || !(1000 == big) || (3 + big != 1003) || (big - 3 + 3 != 1000) || (big - 0 != 1000)) return 26;
    if ((uw < 10) || (uc < 1) || !(5 < uc) || !((one - five) < 0) || ((uw + 1) < 5) || ((one ^ uw) < 5)) return 27;
    if (!((minus5 & 65535) < 0) || !(-one < 0) || (~(uw + 5) < 0) || (!one < 0)) return 28;
    return 0;
}
