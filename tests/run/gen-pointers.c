// Reads through pointers and array elements: unscaled pointer arithmetic, int reads, an array of pointers, and elements of a frame array with computed and constant indexes.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 127
char bytes[4];
int words[3];
char *ptrs[2];
int main()
{
    char *p;
    int *q;
    char local[4];
    int i;
    int r;
    bytes[0] = 10;
    bytes[1] = 20;
    bytes[2] = 30;
    bytes[3] = 40;
    words[0] = 1000;
    words[1] = 2000;
    words[2] = 3000;
    p = bytes;
    q = words;
    r = 0;
    if (*(p + 2) == 30) r = r + 1;
    i = 3;
    if (*(p + i) == 40) r = r + 2;
    if (*(q + 2) == 2000) r = r + 4;     // pointer arithmetic counts bytes
    ptrs[0] = p;
    ptrs[1] = p + 1;
    if (*ptrs[1] == 20) r = r + 8;
    local[0] = 5;
    local[1] = 6;
    local[2] = 7;
    local[3] = 8;
    i = 2;
    if (local[i] == 7) r = r + 16;
    if (local[3] == 8) r = r + 32;
    if (bytes[i] + words[i] == 3030) r = r + 64;
    return r;
}
