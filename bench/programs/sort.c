// Insertion sort of 160 pseudo-random unsigned ints, then a position-weighted
// checksum of the sorted array folded to one byte: returns 60.
unsigned int data[160];

unsigned int fill(unsigned int seed)
{
    int i;

    for (i = 0; i < 160; i = i + 1) {
        seed = seed * 25173 + 13849;
        data[i] = seed;
    }
    return seed;
}

void sort()
{
    int i;
    int j;
    unsigned int key;

    for (i = 1; i < 160; i = i + 1) {
        key = data[i];
        j = i - 1;
        while (j >= 0) {
            if (data[j] <= key) {
                goto placed;
            }
            data[j + 1] = data[j];
            j = j - 1;
        }
placed:
        data[j + 1] = key;
    }
}

int main()
{
    int i;
    unsigned int sum;
    unsigned int bad;

    fill(7);
    sort();
    sum = 0;
    bad = 0;
    for (i = 0; i < 160; i = i + 1) {
        sum = sum + data[i] * (i + 1);
        if (i > 0) {
            if (data[i - 1] > data[i]) {
                bad = bad + 1;
            }
        }
    }
    sum = sum ^ (sum >> 8);
    return (sum & 127) + (bad << 7);
}
