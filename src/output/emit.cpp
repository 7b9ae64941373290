// The one writer of assembly text: emit, the buffer it writes into, and the
// formatter it shares with formatText. Templates and operand texts use only
// %s, %d, %c, %02X and %04X; a formatter for just those, which splits each
// template once and keeps the split, is many times cheaper than vfprintf,
// which dominated the compile time.
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "driver/driver.h"
#include "output/output.h"

FILE* outputFile;

namespace {

// Limits of what one template writes. A %s text is a name, an operand text
// or a source line, at most 255 characters each, so one formatted template
// never takes more than FORMATTED_LIMIT characters, and the formatter, given
// that much room, needs no check while it writes.
constexpr int TEMPLATE_PIECES = 32;            // at most 31 conversions
constexpr size_t TEMPLATE_LENGTH = 4096;       // characters of one template
constexpr size_t TEXT_ARGUMENT_LIMIT = 255;
constexpr size_t NUMBER_LIMIT = 11;            // "-2147483648"; %0nX gives at most 8
static_assert(TEXT_ARGUMENT_LIMIT >= NUMBER_LIMIT, "a number takes no more room than a text");
constexpr size_t FORMATTED_LIMIT = TEMPLATE_LENGTH + (TEMPLATE_PIECES - 1) * TEXT_ARGUMENT_LIMIT;

// emit formats straight into this buffer, which goes to the file in big
// writes when the room left is less than one template may need and when
// flushOutput is called.
constexpr size_t OUTPUT_BUFFER_SIZE = 1 << 18;
static_assert(OUTPUT_BUFFER_SIZE >= 2 * FORMATTED_LIMIT, "a template always fits after a flush");
char outputBuffer[OUTPUT_BUFFER_SIZE];
size_t outputUsed;

// A template split into pieces: each piece is a run of literal text and the
// conversion after it ('s', 'd', 'c', 'X' with its width, '%', or '\0' after
// the last run). Templates are string literals, so a template's address
// names it for the whole run: the split of each is made the first time and
// kept, its pieces in a pool taken in order, found through a small index
// keyed by that address (both stay small, so a short run touches little
// memory). When either fills up, everything is split anew.
constexpr int PIECE_POOL_SIZE = 4096;
constexpr size_t SPLIT_INDEX_SIZE = 1024;      // a power of two
constexpr int SPLIT_INDEX_FILL = SPLIT_INDEX_SIZE / 2;

struct TemplatePiece {
    uint16_t start;   // offset of the literal run in the template
    uint16_t length;
    char conversion;
    char width;       // digits of %0nX
};

struct SplitTemplate {
    const char* format;  // nullptr: a free entry
    int32_t firstPiece;
};

TemplatePiece piecePool[PIECE_POOL_SIZE];
int piecesUsed;
SplitTemplate splitIndex[SPLIT_INDEX_SIZE];
int splitCount;

// Splits format into pieces; returns how many. A conversion the formatter
// does not know or a template past the limits is a fault of the compiler.
int splitTemplate(const char* format, TemplatePiece* pieces)
{
    const char* p = format;
    for (int count = 0;; count++) {
        if (count == TEMPLATE_PIECES)
            fatalError("compiler error");
        const char* literal = p;
        p = strchrnul(p, '%');
        if (static_cast<size_t>(p + 4 - format) > TEMPLATE_LENGTH)
            fatalError("compiler error");
        TemplatePiece& piece = pieces[count];
        piece.start = static_cast<uint16_t>(literal - format);
        piece.length = static_cast<uint16_t>(p - literal);
        piece.width = 0;
        if (*p == '\0') {
            piece.conversion = '\0';
            return count + 1;
        }
        char conversion = p[1];
        p += 2;
        if (conversion == '0' && p[0] >= '1' && p[0] <= '8' && p[1] == 'X') {
            conversion = 'X';
            piece.width = static_cast<char>(p[0] - '0');
            p += 2;
        } else if (conversion != 's' && conversion != 'd' && conversion != 'c' && conversion != '%') {
            fatalError("compiler error");
        }
        piece.conversion = conversion;
    }
}

const TemplatePiece* piecesOf(const char* format)
{
    uint64_t key = reinterpret_cast<uintptr_t>(format) * 0x9E3779B97F4A7C15u;
    size_t slot = key >> 54 & (SPLIT_INDEX_SIZE - 1);
    while (splitIndex[slot].format != nullptr) {
        if (splitIndex[slot].format == format)
            return &piecePool[splitIndex[slot].firstPiece];
        slot = (slot + 1) & (SPLIT_INDEX_SIZE - 1);
    }
    TemplatePiece pieces[TEMPLATE_PIECES];
    int count = splitTemplate(format, pieces);
    if (piecesUsed + count > PIECE_POOL_SIZE || splitCount == SPLIT_INDEX_FILL) {
        memset(splitIndex, 0, sizeof splitIndex);
        piecesUsed = 0;
        splitCount = 0;
        slot = key >> 54 & (SPLIT_INDEX_SIZE - 1);
    }
    splitIndex[slot].format = format;
    splitIndex[slot].firstPiece = piecesUsed;
    splitCount++;
    memcpy(&piecePool[piecesUsed], pieces, sizeof pieces[0] * static_cast<size_t>(count));
    piecesUsed += count;
    return &piecePool[splitIndex[slot].firstPiece];
}

// Copies length bytes. Texts here are mostly a few bytes long, and for them
// two overlapping word moves are cheaper than a call to memcpy.
inline void copyBytes(char* target, const char* source, size_t length)
{
    if (length >= 16) {
        memcpy(target, source, length);
    } else if (length >= 8) {
        uint64_t head;
        uint64_t tail;
        memcpy(&head, source, 8);
        memcpy(&tail, source + length - 8, 8);
        memcpy(target, &head, 8);
        memcpy(target + length - 8, &tail, 8);
    } else if (length >= 4) {
        uint32_t head;
        uint32_t tail;
        memcpy(&head, source, 4);
        memcpy(&tail, source + length - 4, 4);
        memcpy(target, &head, 4);
        memcpy(target + length - 4, &tail, 4);
    } else {
        for (size_t i = 0; i < length; i++)
            target[i] = source[i];
    }
}

char* putDecimal(char* out, int value)
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
    size_t length = static_cast<size_t>(digits + sizeof digits - first);
    copyBytes(out, first, length);
    return out + length;
}

// Upper-case hexadecimal, zero-padded to at least width digits (%02X, %04X).
char* putHex(char* out, unsigned value, int width)
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
    size_t length = static_cast<size_t>(digits + sizeof digits - first);
    copyBytes(out, first, length);
    return out + length;
}

// Formats format with its arguments at out, which has room for
// FORMATTED_LIMIT characters; returns the position after the text.
char* formatInto(char* out, const char* format, va_list arguments)
{
    for (const TemplatePiece* piece = piecesOf(format);; piece++) {
        copyBytes(out, format + piece->start, piece->length);
        out += piece->length;
        char conversion = piece->conversion;
        if (conversion == 's') {
            const char* text = va_arg(arguments, const char*);
            size_t length = strlen(text);
            if (length > TEXT_ARGUMENT_LIMIT)
                fatalError("compiler error");  // no name or operand text is this long
            copyBytes(out, text, length);
            out += length;
        } else if (conversion == '\0') {
            return out;
        } else if (conversion == 'd') {
            out = putDecimal(out, va_arg(arguments, int));
        } else if (conversion == 'c') {
            *out++ = static_cast<char>(va_arg(arguments, int));
        } else if (conversion == 'X') {
            out = putHex(out, va_arg(arguments, unsigned), piece->width);
        } else {
            *out++ = '%';
        }
    }
}

}  // namespace

void flushOutput()
{
    if (outputUsed != 0 && outputFile != nullptr)
        fwrite_unlocked(outputBuffer, 1, outputUsed, outputFile);  // one thread: no locking
    outputUsed = 0;
}

void emit(const char* format, ...)
{
    if (OUTPUT_BUFFER_SIZE - outputUsed < FORMATTED_LIMIT)
        flushOutput();
    va_list arguments;
    va_start(arguments, format);
    char* out = formatInto(outputBuffer + outputUsed, format, arguments);
    va_end(arguments);
    outputUsed = static_cast<size_t>(out - outputBuffer);
}

// At most size - 1 characters (the rest is cut, as snprintf does) and a NUL.
void formatText(char* text, size_t size, const char* format, ...)
{
    static char formatted[FORMATTED_LIMIT];
    va_list arguments;
    va_start(arguments, format);
    size_t length = static_cast<size_t>(formatInto(formatted, format, arguments) - formatted);
    va_end(arguments);
    if (length > size - 1)
        length = size - 1;
    memcpy(text, formatted, length);
    text[length] = '\0';
}
