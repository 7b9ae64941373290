// Elements of frame arrays are read at the right stack address, also for a first local whose offset's low byte is $FF and for int elements.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 15
char first(char k)
{
    char a[2];
    a[0] = 11;
    a[1] = 22;
    if (a[k] == 22)
        if (a[0] == 11)
            return 1;
    return 0;
}
int words(int k)
{
    int w[3];
    w[0] = 1000;
    w[1] = 2000;
    w[2] = 3000;
    return w[k] + w[2];
}
int main()
{
    int r;
    r = first(1);
    if (words(1) == 5000) r = r + 2;
    if (words(0) == 4000) r = r + 4;
    if (first(0) == 0) r = r + 8;
    return r;
}
