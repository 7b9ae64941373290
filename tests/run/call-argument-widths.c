// Arguments of each width reach their parameters in order, and the clean-up after a call drops exactly the pushed bytes, so a word saved around the call comes back intact.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// RUN: %run %s -C | FileCheck %s
// CHECK: result: 11
int number;
int failed;
char text[6];
struct {} quad[2];
int ia;

void expect(int got, int want)
{
    number = number + 1;
    if (got != want)
        if (failed == 0)
            failed = number;
}

int mix(char c, int i, int j)
{
    return i - j + c;
}

char echo(char c)
{
    return c;
}

char pick(char *p, int k)
{
    return *(p + k);
}

// Takes whatever it is given and returns 7; its caller removes the bytes.
int ignore()
{
    return 7;
}

// A char value handed to the int parameter of expect keeps an undefined
// high byte, so char results are widened with int() first.
int main()
{
    text[0] = 65;
    text[1] = 66;
    text[2] = 67;
    text[3] = 68;
    ia = 1000;
    expect(mix(5, 1000, 300), 705);
    expect(mix(200, 7, 3), 204);
    expect(int(echo(200)), 200);
    expect(int(pick(text, 3)), 68);
    expect(int(pick(text, 0)), 65);
    expect(ia + ignore(), 1007);
    expect(ia + ignore(echo(1)), 1007);
    expect(ia + ignore(ia), 1007);
    expect(ia + ignore(*quad), 1007);
    expect(ia + ignore(*quad, ia, text), 1007);
    expect(ia + mix(1, 2, 3), 1000);
    if (failed)
        return 200 + failed;
    return number;
}
