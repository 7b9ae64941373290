// Insertion sort of 100 pseudo-random ints, then a check of the order.
// Returns 255 when the array is out of order, else the low byte of the
// median pair's sum (data[49] + data[50]).
// Run it with: build/quarn-cc --run examples/sort.c
// Optimized:   build/quarn-cc -O --opt --run examples/sort.c

int data[100];

int main()
{
    int i;
    int j;
    int v;
    int moving;
    unsigned int seed;

    // A linear congruential generator, modulo 65536.
    seed = 12345;
    i = 0;
    while (i < 100) {
        seed = seed * 25173 + 13849;
        data[i] = seed >> 4;
        i = i + 1;
    }

    i = 1;
    while (i < 100) {
        v = data[i];
        j = i;
        // Nested ifs rather than &&: the language evaluates both sides of
        // && and turns the right operand of a comparison on its right side
        // into a truth value.
        moving = 1;
        while (moving) {
            moving = 0;
            if (j > 0) {
                if (data[j - 1] > v) {
                    data[j] = data[j - 1];
                    j = j - 1;
                    moving = 1;
                }
            }
        }
        data[j] = v;
        i = i + 1;
    }

    i = 1;
    while (i < 100) {
        if (data[i - 1] > data[i]) {
            return 255;
        }
        i = i + 1;
    }
    return data[49] + data[50];
}
