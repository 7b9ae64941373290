// The one writer of assembly text, and the header and trailer that frame
// every output: the pseudo-register block equates, the origin, the optional
// stack set-up, the start-up jump and the closing signature.
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "driver/driver.h"
#include "output/output.h"

FILE* outputFile;

// Bytes of the pseudo-register block that starts at ramBase.
constexpr unsigned REGISTER_BLOCK_SIZE = 32;
// The 6502 hardware stack page; variables placed after the block skip it.
constexpr unsigned STACK_PAGE_FIRST = 0x0100;
constexpr unsigned STACK_PAGE_LAST = 0x01FF;
constexpr unsigned AFTER_STACK_PAGE = 0x0200;
// Addresses are 16 bits: a block near the top of memory wraps to page zero.
constexpr unsigned ADDRESS_MASK = 0xFFFF;
// Signature bytes at the end of every output.
constexpr int SIGNATURE_FIRST = 81;
constexpr int SIGNATURE_SECOND = 88;

// Templates and operand texts are formatted by our own formatter: they use
// only %s, %d, %c, %02X and %04X, and a formatter for just those, with no
// stdio call per template, is many times cheaper than vfprintf, which
// dominated the compile time. emit formats straight into one large buffer
// that goes to the file in big writes; flushOutput hands the buffered text to
// outputFile.
constexpr size_t OUTPUT_BUFFER_SIZE = 1 << 16;
static char outputBuffer[OUTPUT_BUFFER_SIZE];
static size_t outputUsed;

void flushOutput()
{
    if (outputUsed != 0 && outputFile != nullptr)
        fwrite_unlocked(outputBuffer, 1, outputUsed, outputFile);  // one thread: no locking
    outputUsed = 0;
}

// Copies length bytes of text to out, as many as fit before end. Returns the
// position after them, or nullptr when they did not all fit.
static char* putText(char* out, char* end, const char* text, size_t length)
{
    size_t room = static_cast<size_t>(end - out);
    if (length > room) {
        memcpy(out, text, room);
        return nullptr;
    }
    memcpy(out, text, length);
    return out + length;
}

static char* putDecimal(char* out, char* end, int value)
{
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    char digits[12];
    char* first = digits + sizeof digits;
    do {
        *--first = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        *--first = '-';
    return putText(out, end, first, static_cast<size_t>(digits + sizeof digits - first));
}

// Upper-case hexadecimal, zero-padded to at least width digits (%02X, %04X).
static char* putHex(char* out, char* end, unsigned value, int width)
{
    char digits[8];
    char* first = digits + sizeof digits;
    do {
        *--first = "0123456789ABCDEF"[value & 15];
        value >>= 4;
        width--;
    } while (value != 0);
    for (; width > 0; width--)
        *--first = '0';
    return putText(out, end, first, static_cast<size_t>(digits + sizeof digits - first));
}

// Formats format with its arguments into out..end. Returns the position after
// the text, or nullptr when it did not fit (out..end then holds as much of it
// as fitted).
static char* formatInto(char* out, char* end, const char* format, va_list arguments)
{
    const char* p = format;
    for (;;) {
        // The literal text up to the next conversion or the end.
        const char* literal = p;
        p = strchrnul(p, '%');
        out = putText(out, end, literal, static_cast<size_t>(p - literal));
        if (out == nullptr || *p == '\0')
            return out;
        char conversion = p[1];
        p += 2;
        if (conversion == 's') {
            const char* text = va_arg(arguments, const char*);
            out = putText(out, end, text, strlen(text));
        } else if (conversion == 'd') {
            out = putDecimal(out, end, va_arg(arguments, int));
        } else if (conversion == 'c') {
            char c = static_cast<char>(va_arg(arguments, int));
            out = putText(out, end, &c, 1);
        } else if (conversion == '0' && p[0] >= '1' && p[0] <= '8' && p[1] == 'X') {
            out = putHex(out, end, va_arg(arguments, unsigned), p[0] - '0');
            p += 2;
        } else if (conversion == '%') {
            out = putText(out, end, "%", 1);
        } else {
            fatalError("compiler error");  // a template with a conversion we do not know
        }
        if (out == nullptr)
            return out;
    }
}

void emit(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    va_list again;
    va_copy(again, arguments);
    char* const end = outputBuffer + OUTPUT_BUFFER_SIZE;
    char* out = formatInto(outputBuffer + outputUsed, end, format, arguments);
    if (out == nullptr) {
        // The buffer is full: write out what came before this template and
        // format it again from the start of the empty buffer.
        flushOutput();
        out = formatInto(outputBuffer, end, format, again);
        if (out == nullptr)
            fatalError("compiler error");  // no template comes near the buffer's size
    }
    va_end(again);
    va_end(arguments);
    outputUsed = static_cast<size_t>(out - outputBuffer);
}

// Formats like emit into text, for operand texts: at most size - 1
// characters (the rest is cut, as snprintf does) and a NUL.
void formatText(char* text, size_t size, const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    char* end = text + size - 1;
    char* out = formatInto(text, end, format, arguments);
    va_end(arguments);
    *(out == nullptr ? end : out) = '\0';
}

// Address of the block byte at offset, wrapped to 16 bits like every address
// the output names.
static unsigned blockAddress(unsigned base, unsigned offset)
{
    return (base + offset) & ADDRESS_MASK;
}

// Equates of the block with two-digit values (the whole block in page zero).
static void writeNarrowRegisterEquates(unsigned base)
{
    emit("DIVISOR_PRODUCT EQU $%02X\n", blockAddress(base, 0));
    emit("QUOTIENT_FACTOR EQU $%02X\n", blockAddress(base, 8));
    emit("DIVIDEND_REMAINDER EQU $%02X\n", blockAddress(base, 12));
    emit("N EQU $%02X\n", blockAddress(base, 16));
    emit("BP EQU $%02X\t%c ix\n", blockAddress(base, 16), '*');
    emit("BX EQU $%02X\t%c hl\nBL EQU BX\nBH EQU BX+1\n", blockAddress(base, 18), '*');
    emit("CX EQU $%02X\t%c bc\nCL EQU CX\nCH EQU CX+1\n", blockAddress(base, 20), '*');
    emit("DX EQU $%02X\t%c de\nDL EQU DX\nDH EQU DX+1\n", blockAddress(base, 22), '*');
    emit("AX EQU $%02X\t%c iy\nAL EQU AX\nAH EQU AX+1\n", blockAddress(base, 24), '*');
    emit("RAB EQU $%02X\nR2A EQU RAB\nR2B EQU RAB+1\n", blockAddress(base, 26));
    emit("RCD EQU $%02X\nR2C EQU RCD\nR2D EQU RCD+1\n", blockAddress(base, 28));
    emit("REF EQU $%02X\nR2E EQU REF\nR2F EQU REF+1\n", blockAddress(base, 30));
}

// The same equates with four-digit values (the block reaches past page zero).
static void writeWideRegisterEquates(unsigned base)
{
    emit("DIVISOR_PRODUCT EQU $%04X\n", blockAddress(base, 0));
    emit("QUOTIENT_FACTOR EQU $%04X\n", blockAddress(base, 8));
    emit("DIVIDEND_REMAINDER EQU $%04X\n", blockAddress(base, 12));
    emit("N EQU $%04X\n", blockAddress(base, 16));
    emit("BP EQU $%04X\t%c ix\n", blockAddress(base, 16), '*');
    emit("BX EQU $%04X\t%c hl\nBL EQU BX\nBH EQU BX+1\n", blockAddress(base, 18), '*');
    emit("CX EQU $%04X\t%c bc\nCL EQU CX\nCH EQU CX+1\n", blockAddress(base, 20), '*');
    emit("DX EQU $%04X\t%c de\nDL EQU DX\nDH EQU DX+1\n", blockAddress(base, 22), '*');
    emit("AX EQU $%04X\t%c iy\nAL EQU AX\nAH EQU AX+1\n", blockAddress(base, 24), '*');
    emit("RAB EQU $%04X\nR2A EQU RAB\nR2B EQU RAB+1\n", blockAddress(base, 26));
    emit("RCD EQU $%04X\nR2C EQU RCD\nR2D EQU RCD+1\n", blockAddress(base, 28));
    emit("REF EQU $%04X\nR2E EQU REF\nR2F EQU REF+1\n", blockAddress(base, 30));
}

// Title, register block, origin, stack set-up (when -S gave one) and the jump
// to ZMAIN. Afterwards ramBase is the first free RAM address for variables,
// never inside the stack page.
void writeHeader()
{
    emit("%c Quarnel Output\n\n", '*');
    unsigned base = ramBase;
    if (base + REGISTER_BLOCK_SIZE > 256)
        writeWideRegisterEquates(base);
    else
        writeNarrowRegisterEquates(base);

    ramBase = static_cast<uint16_t>(ramBase + REGISTER_BLOCK_SIZE);
    if (ramBase >= STACK_PAGE_FIRST && ramBase <= STACK_PAGE_LAST)
        ramBase = AFTER_STACK_PAGE;

    emit("\n ORG $%04X\n", static_cast<unsigned>(romOrigin));
    // #> takes the low byte: X gets the low byte of the stack address.
    if (stackInit != 0xFFFF)
        emit(" LDX #>$%04X\n TXS\n", static_cast<unsigned>(stackInit));
    emit(" JMP ZMAIN\n");
}

// Two signature bytes, then END as a comment: the output ends without an
// active END directive.
void writeTrailer()
{
    emit(" DB %d\n DB %d\n", SIGNATURE_FIRST, SIGNATURE_SECOND);
    emit("%c \n%c END %c ZMAIN\n", '*', '*', '*');
}
