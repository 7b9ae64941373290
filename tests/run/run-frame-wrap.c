// Frame objects at negative offsets ($FFFF, $FFFD, ...) are reached below the
// frame register in the stack page: $0100+offset,X wraps modulo 65536 and
// stays an absolute-indexed access, for single locals and array elements.
// RUN: %run %s 2>/dev/null | %check %s
// RUN: %run %s -O 2>/dev/null | %check %s
// CHECK:result: 123
int main()
{
    char first;
    char second;
    int third;
    char list[3];
    int i;

    first = 1;
    second = 20;
    third = 300;
    i = 0;
    while (i < 3) {
        list[i] = i + 100;
        i = i + 1;
    }
    // 1 + 20 + 300 + 102 = 423, low byte 167; minus 44 gives 123
    return first + second + third + list[2] - 44;
}
