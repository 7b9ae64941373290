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
constexpr size_t SHORT_TEXT = 8;
constexpr size_t NUMBER_LIMIT = 11;            // "-2147483648"; %0nX gives at most 8
static_assert(TEXT_ARGUMENT_LIMIT >= NUMBER_LIMIT, "a number takes no more room than a text");
constexpr size_t FORMATTED_LIMIT = TEMPLATE_LENGTH + (TEMPLATE_PIECES - 1) * TEXT_ARGUMENT_LIMIT;
// A literal run is written as a 16-byte block, up to 16 bytes past the text
// (see copyRun): a buffer that takes a template has this much more room.
constexpr size_t RUN_BLOCK = 16;
constexpr size_t FORMATTED_ROOM = FORMATTED_LIMIT + RUN_BLOCK;

// emit formats straight into this buffer, which goes to the file in big
// writes when the room left is less than one template may need and when
// flushOutput is called.
constexpr size_t OUTPUT_BUFFER_SIZE = 1 << 18;
static_assert(OUTPUT_BUFFER_SIZE >= 2 * FORMATTED_ROOM, "a template always fits after a flush");
char outputBuffer[OUTPUT_BUFFER_SIZE];
size_t outputUsed;

// A template split into pieces: each piece is a run of literal text and the
// conversion after it ('s', 'd', 'c', 'X' with its width, '%', or '\0' after
// the last run). Templates are string literals, so a template's address
// names it for the whole run: the split of each is made the first time and
// kept, its pieces in a pool taken in order, found through a small index
// keyed by that address (both stay small, so a short run touches little
// memory). When either fills up, everything is split anew.
//
// The literal runs are copied into a store of their own, each at a 16-byte
// boundary and padded to a multiple of 16 bytes (16 at least), so that a
// short run is written as one 16-byte block: the bytes written past its end
// are overwritten by what follows, and the buffers keep room for them
// (FORMATTED_ROOM).
constexpr int PIECE_POOL_SIZE = 4096;
constexpr size_t SPLIT_INDEX_SIZE = 1024;      // a power of two
constexpr int SPLIT_INDEX_FILL = SPLIT_INDEX_SIZE / 2;
// The padded runs of one template: its text plus a block per piece.
constexpr size_t TEMPLATE_RUNS_LIMIT = TEMPLATE_LENGTH + TEMPLATE_PIECES * RUN_BLOCK;
constexpr size_t RUN_STORE_SIZE = 1 << 16;
static_assert(RUN_STORE_SIZE >= TEMPLATE_RUNS_LIMIT, "the runs of any template fit an empty store");

struct TemplatePiece {
    uint32_t runAt;   // offset of the padded run in runStore
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
alignas(RUN_BLOCK) char runStore[RUN_STORE_SIZE];
size_t runStoreUsed;

size_t indexSlot(const char* format)
{
    uint64_t key = reinterpret_cast<uintptr_t>(format) * 0x9E3779B97F4A7C15u;
    return key >> 54 & (SPLIT_INDEX_SIZE - 1);
}

size_t paddedLength(size_t length)
{
    return length == 0 ? RUN_BLOCK : (length + RUN_BLOCK - 1) / RUN_BLOCK * RUN_BLOCK;
}

// Splits format into pieces; returns how many. The offsets of the runs are
// those in format. A conversion the formatter does not know or a template
// past the limits is a fault of the compiler.
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
        piece.runAt = static_cast<uint32_t>(literal - format);
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

// Splits format, keeps the split in the free slot found for it, and
// returns its pieces.
[[gnu::noinline]] const TemplatePiece* keepSplit(const char* format, size_t slot)
{
    TemplatePiece pieces[TEMPLATE_PIECES];
    int count = splitTemplate(format, pieces);
    size_t runBytes = 0;
    for (int k = 0; k < count; k++)
        runBytes += paddedLength(pieces[k].length);
    if (piecesUsed + count > PIECE_POOL_SIZE || splitCount == SPLIT_INDEX_FILL ||
        runStoreUsed + runBytes > RUN_STORE_SIZE) {
        memset(splitIndex, 0, sizeof splitIndex);
        piecesUsed = 0;
        splitCount = 0;
        runStoreUsed = 0;
        slot = indexSlot(format);
    }
    for (int k = 0; k < count; k++) {
        size_t padded = paddedLength(pieces[k].length);
        memset(runStore + runStoreUsed, 0, padded);
        memcpy(runStore + runStoreUsed, format + pieces[k].runAt, pieces[k].length);
        pieces[k].runAt = static_cast<uint32_t>(runStoreUsed);
        runStoreUsed += padded;
    }
    splitIndex[slot].format = format;
    splitIndex[slot].firstPiece = piecesUsed;
    splitCount++;
    memcpy(&piecePool[piecesUsed], pieces, sizeof pieces[0] * static_cast<size_t>(count));
    piecesUsed += count;
    return &piecePool[splitIndex[slot].firstPiece];
}

inline const TemplatePiece* piecesOf(const char* format)
{
    size_t slot = indexSlot(format);
    while (splitIndex[slot].format != nullptr) {
        if (splitIndex[slot].format == format)
            return &piecePool[splitIndex[slot].firstPiece];
        slot = (slot + 1) & (SPLIT_INDEX_SIZE - 1);
    }
    return keepSplit(format, slot);
}

// Writes a padded run: a run of up to 64 bytes as whole 16-byte blocks
// (written one by one: a loop would become a call to memcpy).
inline char* copyRun(char* out, const char* run, size_t length)
{
    if (length <= RUN_BLOCK) {
        memcpy(out, run, RUN_BLOCK);
    } else if (length <= 4 * RUN_BLOCK) {
        memcpy(out, run, RUN_BLOCK);
        memcpy(out + RUN_BLOCK, run + RUN_BLOCK, RUN_BLOCK);
        if (length > 2 * RUN_BLOCK) {
            memcpy(out + 2 * RUN_BLOCK, run + 2 * RUN_BLOCK, RUN_BLOCK);
            if (length > 3 * RUN_BLOCK)
                memcpy(out + 3 * RUN_BLOCK, run + 3 * RUN_BLOCK, RUN_BLOCK);
        }
    } else {
        memcpy(out, run, length);
    }
    return out + length;
}

// The two digits of each number below 100.
constexpr char DIGIT_PAIRS[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Decimal, written in place from its last digit back, two digits a step.
char* putDecimal(char* out, int value)
{
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    if (value < 0)
        *out++ = '-';
    // Labels, offsets and counts are mostly below 10000: their length by
    // comparisons, longer numbers by division.
    size_t length = magnitude < 10 ? 1 : magnitude < 100 ? 2 : magnitude < 1000 ? 3 : 4;
    for (unsigned rest = magnitude / 10000; rest != 0; rest /= 10)
        length++;
    char* end = out + length;
    char* p = end;
    while (magnitude >= 100) {
        p -= 2;
        memcpy(p, DIGIT_PAIRS + magnitude % 100 * 2, 2);
        magnitude /= 100;
    }
    if (magnitude >= 10) {
        p -= 2;
        memcpy(p, DIGIT_PAIRS + magnitude * 2, 2);
    } else {
        p[-1] = static_cast<char>('0' + magnitude);
    }
    return end;
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
// FORMATTED_ROOM characters; returns the position after the text.
// Inlined into emit and formatText: a call of its own cost a tenth of the
// time of a short template.
[[gnu::always_inline]] inline char* formatInto(char* out, const char* format, va_list arguments)
{
    for (const TemplatePiece* piece = piecesOf(format);; piece++) {
        out = copyRun(out, runStore + piece->runAt, piece->length);
        char conversion = piece->conversion;
        if (conversion == 's') {
            // Most texts are register names and short operands: their
            // first SHORT_TEXT bytes are copied one by one, and only a longer
            // text is measured and its rest copied as a block.
            const char* text = va_arg(arguments, const char*);
            size_t length = 0;
            for (; length < SHORT_TEXT && text[length] != '\0'; length++)
                out[length] = text[length];
            if (text[length] != '\0') {
                size_t rest = strlen(text + length);
                if (length + rest > TEXT_ARGUMENT_LIMIT)
                    fatalError("compiler error");  // no name or operand text is this long
                copyBytes(out + length, text + length, rest);
                length += rest;
            }
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
    if (OUTPUT_BUFFER_SIZE - outputUsed < FORMATTED_ROOM)
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
    static char formatted[FORMATTED_ROOM];
    va_list arguments;
    va_start(arguments, format);
    size_t length = static_cast<size_t>(formatInto(formatted, format, arguments) - formatted);
    va_end(arguments);
    if (length > size - 1)
        length = size - 1;
    memcpy(text, formatted, length);
    text[length] = '\0';
}
