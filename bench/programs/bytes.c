// Byte copying and comparing through char pointers: a buffer is filled,
// copied, partly overwritten by a copy of its start, compared and summed:
// returns 202 (a byte sum of 34918 and 100 differing bytes).
unsigned char source[300];
unsigned char target[300];

void copy(unsigned char *to, unsigned char *from, int count)
{
    int i;

    for (i = 0; i < count; i = i + 1) {
        to[i] = *(from + i);
    }
}

int differences(unsigned char *p, unsigned char *q, int count)
{
    int i;
    int n;

    n = 0;
    for (i = 0; i < count; i = i + 1) {
        if (*(p + i) != *(q + i)) {
            n = n + 1;
        }
    }
    return n;
}

int main()
{
    int i;
    unsigned int sum;
    unsigned int v;

    for (i = 0; i < 300; i = i + 1) {
        source[i] = (i * 3) & 255;
    }
    copy(target, source, 300);
    copy(target + 100, source, 100);
    sum = 0;
    for (i = 0; i < 300; i = i + 1) {
        v = target[i];
        sum = sum + v;
    }
    return (sum & 255) + differences(source, target, 300);
}
