// CRC-16 (polynomial $1021, initial value $FFFF) over 512 bytes of a
// generated pattern, computed bit by bit; returns both CRC bytes combined:
// 136.
unsigned char buffer[512];

unsigned int crc16(int length)
{
    unsigned int crc;
    unsigned int byte;
    int i;
    int bit;

    crc = 0xFFFF;
    for (i = 0; i < length; i = i + 1) {
        byte = buffer[i];
        crc = crc ^ (byte << 8);
        for (bit = 0; bit < 8; bit = bit + 1) {
            if ((crc & 0x8000) != 0) {
                crc = (crc << 1) ^ 4129;
            } else {
                crc = crc << 1;
            }
        }
    }
    return crc;
}

int main()
{
    int i;
    unsigned int value;
    unsigned int crc;

    value = 1;
    for (i = 0; i < 512; i = i + 1) {
        value = (value * 5 + 3) & 255;
        buffer[i] = value;
    }
    crc = crc16(512);
    return (crc & 255) ^ (crc >> 8);
}
