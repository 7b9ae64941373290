// Four-byte products, quotients, remainders and shifts (values read through struct array names, set by asm lines) compute the right values inline and through the runtime routines.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// RUN: %run %s -C | FileCheck %s
// RUN: %run %s -C -O | FileCheck %s
// CHECK: result: 11
int number;
int failed;
int ia;
struct {} qa[2];
struct {} qb[2];
struct {} unit[2];
struct {} cnt[2];

void expect(int got, int want)
{
    number = number + 1;
    if (got != want)
        if (failed == 0)
            failed = number;
}

int main()
{
    // qa = 100000 ($000186A0), qb = 300, unit = 65536, cnt = 4
    asm LDA #$A0
    asm STA QA
    asm LDA #$86
    asm STA QA+1
    asm LDA #$01
    asm STA QA+2
    asm LDA #$00
    asm STA QA+3
    asm LDA #$2C
    asm STA QB
    asm LDA #$01
    asm STA QB+1
    asm LDA #$00
    asm STA QB+2
    asm STA QB+3
    asm STA UNIT
    asm STA UNIT+1
    asm STA UNIT+3
    asm STA CNT+1
    asm STA CNT+2
    asm STA CNT+3
    asm LDA #$01
    asm STA UNIT+2
    asm LDA #$04
    asm STA CNT
    ia = 1000;
    // 30000000 = $01C9C380: the low word, then the high word by dividing
    expect(int(*qa * *qb), 50048);
    expect(int(*qa * *qb / *unit), 457);
    expect(int(*qa / *qb), 333);
    expect(int(*qa % *qb), 100);
    // 27000000 = $019BFCC0
    expect(int(*qb * *qb * *qb), 64704);
    expect(int(*unit / *qa), 0);
    expect(int(*qa % *unit), 34464);
    // 1600000 = $00186A00
    expect(int(*qa << *cnt), 27136);
    expect(int((*qa << *cnt) / *unit), 24);
    expect(int(*qa >> *cnt), 6250);
    expect(ia + int(*qa / *qb), 1333);
    if (failed)
        return 200 + failed;
    return number;
}
