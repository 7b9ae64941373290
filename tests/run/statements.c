// Statements and calls computed on the 6502: if/else chains, loops, goto,
// asm, stores into every kind of target, port writes, frames (negative offsets
// wrap below the frame register), initialised and static data; arguments of
// each width reach their parameters in order, the caller drops exactly the
// bytes it pushed, results take part in larger expressions, and recursion
// keeps frames apart. main returns the number of the first failing check.
// RUN: %run %s 2>/dev/null | FileCheck %s
// RUN: %run %s -O 2>/dev/null | FileCheck %s
// RUN: %run %s -C 2>/dev/null | FileCheck %s
// CHECK: result: 0
int bias = 300;
const int k = 8;
char g;
int squares[6];
char bytes[5];
int words[4];
char text[4];
char *where[2];
int ia; int ib; int ic; int arr[4]; struct {} quad[2];
int mix(char c, int i, int j) { return i - j + c; }
char echo(char c) { return c; }
char pick(char *p, int k) { return *(p + k); }
int seven() { return 7; }
int twice(int v) { return v + v; }
int add(int a, int b) { return a + b; }
char inc(char c) { return c + 1; }
int fib(int n) { if (n < 2) return n; return fib(n - 1) + fib(n - 2); }
int fact(int n) { if (n < 2) return 1; return n * fact(n - 1); }
char depth(char n) { if (n == 0) return 0; return depth(n - 1) + 2; }
int sign(int x)
{
    if (x < 0) return 1;
    else if (x == 0) return 2;
    else { return 3; }
}
int frame(int a, char b, int c) { char u; int t; char list[3]; u = b; t = a - c; list[2] = u + 1; return t + list[2]; }
int counter() { static int calls = 0; calls = calls + 4; return calls; }
char first(char i) { char a[2]; a[0] = 11; a[1] = 22; return a[i] + a[1]; }
int main()
{
    int n; int s; int i; char c; int local[4]; char tags[3]; int *ip; char *cp;
    if (sign(-5) != 1 || (sign(0) != 2) || (sign(7) != 3)) return 1;
    n = 10; s = 0;
    while (n) { s = s + n; n = n - 1; }                 // 55
    while (n < 5) n = n + 1;
    do { s = s + n; n = n - 1; } while (n);             // 70
    do n = n + 1; while (n < 4);
    for (i = 0; i < 10; i = i + 1) s = s + i;           // 115
    for (i = 0; i < 3; i = i + 1) {
        n = 0;
        while (n < 17) n = n + 1;
        s = s + n;                                      // 166
    }
    if (s != 166) return 2;
    n = 0; s = 0;
again:
    n = n + 1;
    if (n == 4) goto skip;
    s = s + n;
skip:
    if (n < 6) goto again;
    if (s != 17) return 3;
    g = 1;
    if (g) asm LDA #40
    asm STA G
    _asm INC G
    asm
        INC G
    if (g != 42) return 4;
    for (i = 0; i < 6; i = i + 1) squares[i] = i + i;
    for (i = 5; i; i = i - 1) bytes[i - 1] = i;        // downwards: a wider store would clobber
    for (i = 0; i < 4; i = i + 1) local[i] = 300 + i;
    tags[2] = 9; tags[1] = 8; tags[0] = 7;
    squares[5] = squares[5] + 1000;
    c = 1; s = 3000; bytes[c] = 12;                     // s leaves 11 in CH
    if (squares[4] + squares[5] != 1018) return 5;
    if (bytes[0] + bytes[1] + bytes[2] + bytes[4] != 21) return 6;
    if (local[0] + local[3] != 603 || (tags[0] + tags[1] + tags[2] != 24)) return 7;
    ip = words; cp = text;
    *ip = 513; ip[2] = 1027; cp[1] = 6;
    *cp = 5;                                            // one byte: text[1] stays
    *text = 10; where[0] = text; where[1] = cp + 2;
    cp = where[1]; *cp = 20; text[3] = 70; *i = 9;
    if (words[0] != 513 || (words[1] != 0) || (words[2] != 1027)) return 8;
    if (text[0] + text[1] + text[2] + text[3] != 106 || (*where[0] != 10) || (i != 9)) return 9;
    outpw(1024, 4660); outp(1026, 9); outp(1027, 300);
    if (inp(1024) != 52 || (inp(1025) != 18) || (inpw(1024) != 4660)) return 10;
    if (inp(1026) + inp(1027) != 53) return 11;
    if (frame(50, 8, 7) != 52) return 12;
    if (int(first(1)) != 44 || (int(first(0)) != 33)) return 13;
    counter(); if (counter() + bias - k != 300) return 14;
    ia = 1000;
    if (mix(5, 1000, 300) != 705 || (mix(200, 7, 3) != 204)) return 15;
    if (int(echo(200)) != 200 || (int(pick(text, 3)) != 70) || (int(pick(text, 0)) != 10)) return 16;
    if (ia + seven() != 1007 || (ia + seven(echo(1)) != 1007)) return 17;  // extra arguments
    if (ia + seven(*quad, ia, text) != 1007) return 18;
    ia = 5; ib = 7; ic = 100;
    if (ia + twice(ib) != 19 || (twice(twice(ia)) != 20)) return 19;
    if (add(twice(ia), add(ib, ic)) != 117) return 20;
    if (ic - twice(ia) * add(ia, ib) != -20) return 21;
    if (add(ia, ib) / twice(ia) + add(ia, ib) % twice(ia) != 3) return 22;
    if (int(inc(inc(40))) != 42 || (ia + (ib + (ic + twice(ia))) != 122)) return 23;
    if (twice(ia) << ib != 1280) return 24;
    n = ia + twice(ib); if (n != 19) return 25;
    arr[twice(1)] = twice(ic); if (arr[2] != 200) return 26;
    while (twice(n) < 50) n = n + 1;
    if (n != 25) return 27;
    if (fib(12) != 144 || (fact(8) != 40320) || (int(depth(20)) != 40)) return 28;
    return 0;
}
