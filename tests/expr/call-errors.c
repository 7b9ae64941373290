// Calls stop with a fatal error for a variable used as a function, and for an argument that has no value to push (a floating constant narrowed for an int parameter).
// RUN: rm -rf %t && mkdir -p %t && sed -n '/^\/\/ VARIABLE-BEGIN/,/^\/\/ VARIABLE-END/p' %s > %t/variable.c
// RUN: %status 2 %quarn %t/variable.c %t/variable.asm 2> %t/variable.err
// RUN: %check --check-prefix=VARIABLE %s < %t/variable.err
// RUN: sed -n '/^\/\/ FLOAT-BEGIN/,/^\/\/ FLOAT-END/p' %s > %t/float.c
// RUN: %status 2 %quarn %t/float.c %t/float.asm 2> %t/float.err
// RUN: %check --check-prefix=FLOAT %s < %t/float.err

// VARIABLE-BEGIN
int gamma;
int main()
{
    return gamma(1);
}
// VARIABLE-END
// VARIABLE:line {{[0-9]+}}: error: expected function/procedure

// FLOAT-BEGIN
void takeInt(int i)
{
}
int main()
{
    takeInt(1.5);
    return 0;
}
// FLOAT-END
// FLOAT:line {{[0-9]+}}: error: undefined argument type
