// Element stores into global and frame arrays of char and int land at the scaled index, also with a char index: each element is written in a loop and read back.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 187
int squares[6];
char bytes[5];
int main()
{
    int i;
    int s;
    int local[4];
    char tags[3];
    char c;
    for (i = 0; i < 6; i = i + 1) squares[i] = i * i;
    // char elements are written downwards: a wider store would clobber the
    // element written just before
    for (i = 5; i; i = i - 1) bytes[i - 1] = i;
    for (i = 0; i < 4; i = i + 1) local[i] = 300 + i;
    tags[2] = 9;
    tags[1] = 8;
    tags[0] = 7;
    squares[5] = squares[5] + 1000;   // 1025: the high byte must survive
    c = 1;
    s = 3000;                         // leaves 11 in the high byte of CX
    bytes[c] = 12;                    // bytes[1], which was 2
    s = 0;
    for (i = 0; i < 5; i = i + 1) s = s + squares[i];     // 0+1+4+9+16 = 30
    for (i = 0; i < 5; i = i + 1) s = s + bytes[i];       // 25: 55
    for (i = 0; i < 4; i = i + 1) s = s + local[i];       // 1206: 1261
    s = s + tags[0] + tags[1] + tags[2];                  // 24: 1285
    s = s - squares[5];                                   // 260
    if (local[3] == 303) s = s - 73;                      // 187
    return s;
}
