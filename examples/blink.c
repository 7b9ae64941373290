// Running light for a hobby board: a 6502 with RAM from $0000, a 32 KB
// EEPROM at $8000 and a 6522 VIA at $6000 whose port B drives eight LEDs.
// The light runs from bit 0 up to bit 7 and back down, three times, with a
// pause after each step; main then returns the sum of the patterns written
// (3 * (127 + 254) = 1143), and the board waits in the start-up's stop loop.
//
// The ROM image to burn:  build/quarn-cc --target rom -o blink.rom examples/blink.c
// On the simulator:       build/quarn-cc --run examples/blink.c
// Optimized:              build/quarn-cc --target rom -O --opt -o blink.rom examples/blink.c
// (where $6000 is plain memory).

int rounds = 3;         // an initial value: the start-up copies it to the RAM
int sum;                // no initial value: the start-up clears it

// Shows one pattern on the LEDs (port B, $6000) for a moment.
void show(char pattern)
{
    int pause;
    outp(24576, pattern);
    sum = sum + (pattern & 255);
    pause = 0;
    while (pause < 300) {
        pause = pause + 1;
    }
}

int main()
{
    int round;
    int step;
    char light;

    outp(24578, 255);   // DDRB ($6002): all eight lines of port B are outputs
    round = 0;
    while (round < rounds) {
        light = char(1);
        for (step = 0; step < 7; step = step + 1) {
            show(light);
            light = char(light << 1);
        }
        for (step = 0; step < 7; step = step + 1) {
            show(light);
            light = char((light & 255) >> 1);
        }
        round = round + 1;
    }
    return sum;
}
