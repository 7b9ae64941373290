// With -C, a char product calls ZMUL8HELPER with the left and then the right
// byte pushed, and takes the result from BL; a function named mul8helper is
// that routine, so this one makes 6 * 7 add instead. Without -C the product
// is computed inline.
// RUN: %run %s 2>/dev/null | FileCheck --check-prefix=INLINE %s
// RUN: %run %s -C 2>/dev/null | FileCheck --check-prefix=CALL %s
// RUN: %run %s -C -O 2>/dev/null | FileCheck --check-prefix=CALL %s
// INLINE: result: 42
// CALL: result: 13
int mul8helper(int pair)
{
    // The right byte was pushed last: it is the parameter's low byte.
    return (pair >> 8) + (pair & 255);
}

int main()
{
    char a;
    char b;
    a = 6;
    b = 7;
    return a * b;
}
