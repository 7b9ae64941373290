// *(p + i) with an int index i is typed int, so the char it reads keeps a leftover high byte (here the high byte of the array's address) when stored into an int; with a char index or a constant the read is a char and widens to 7.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 7
unsigned char a[4];
unsigned char *p;
int i;
unsigned char c;
int x;
int found;
int main()
{
    p = a;
    a[2] = 7;
    i = 2;
    c = 2;
    found = 0;
    x = *(p + i);
    if (x != 7)
        if ((x & 255) == 7)
            found = found | 1;
    x = *(p + c);
    if (x == 7)
        found = found | 2;
    x = *(p + 2);
    if (x == 7)
        found = found | 4;
    return found;
}
