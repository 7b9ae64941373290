// A constant on the left of + or - becomes a char constant when that sum meets a char: 300 - i | c is computed in one byte (45), while i - 300 | c and a constant written after the variable keep the int (301).
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// RUN: %run %s -C | FileCheck %s
// CHECK: result: 7
unsigned int i;
unsigned char c;
unsigned int x;
int found;
int main()
{
    i = 0;
    c = 1;
    found = 0;
    x = 300 - i | c;
    if (x == 45)
        found = found | 1;
    x = i + 300 | c;
    if (x == 301)
        found = found | 2;
    x = (300 - i) + c;
    if (x == 45)
        found = found | 4;
    return found;
}
