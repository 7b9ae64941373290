// *p = v stores through the pointer with the width of the pointed-to type, p[i] = v indexes from the pointer's value, *a = v writes an array's first element, and an array of pointers holds two-byte pointers.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 99
int words[4];
char text[4];
char *where[2];
int main()
{
    int *ip;
    char *cp;
    int i;
    int s;
    ip = words;
    cp = text;
    *ip = 513;                        // words[0]: both bytes
    ip[2] = 1027;                     // words[2]
    cp[1] = 6;
    *cp = 5;                          // text[0]: one byte only, text[1] stays
    *text = 10;                       // text[0] again
    where[0] = text;
    where[1] = cp + 2;
    cp = where[1];
    *cp = 20;                         // text[2]
    text[3] = 70;
    s = 0;
    s = s + words[0] - 500;           // 13
    s = s + words[2] - 1000;          // 40
    for (i = 0; i < 4; i = i + 1) s = s + text[i];   // 10 + 6 + 20 + 70: 146
    if (words[1] == 0) s = s - 47;    // 99
    return s;
}
