// Temporaries and operand texts: the register bytes BX..REF numbered 34..47,
// the stack discipline of tempCounter, the pending (bound) values of register
// bytes, and the ring of buffers that operand texts are handed out in.
#include <cstdio>
#include <cstring>

#include "driver/driver.h"
#include "expr/expr.h"
#include "output/output.h"

int32_t tempCounter = FIRST_TEMP;

// The sixteen bytes of the register block carry the numbers 32..47; 32/33
// is BP, the parking place of the frame register, never a temporary. Bytes
// from FIRST_NUMBERED_NAME on have no table name as operands: R2AH..R2FH.
constexpr int REGISTER_COUNT = REGISTER_LIMIT - REGISTER_BASE;

extern const char* const byteRegisterNames[REGISTER_COUNT] = {
    "BP", "BP", "BL", "BH", "CL", "CH", "DL", "DH",
    "AL", "AH", "R2A", "R2B", "R2C", "R2D", "R2E", "R2F",
};

// A bound byte does not hold its value yet: boundText names where it is.
// boundBytes has bit index set for each bound byte, so that the bytes to
// load are found without a look at all sixteen.
static_assert(REGISTER_COUNT <= 16, "one bit per register byte");
uint16_t boundBytes;

namespace {

const char* const wordRegisterNames[REGISTER_COUNT / 2] = {
    "BP", "BX", "CX", "DX", "AX", "RAB", "RCD", "REF",
};

constexpr int BOUND_TEXT_SIZE = 64;
char boundText[REGISTER_COUNT][BOUND_TEXT_SIZE];

bool isBound(int index)
{
    return (boundBytes >> index & 1) != 0;
}

// Operand texts other than the fixed register names (pending texts used in
// place, the names of bytes 42 and up) are handed out in a ring: a text
// stays valid for the next fifteen of them, enough for the largest template
// (sixteen operands).
constexpr int OPERAND_RING_SIZE = 16;
constexpr int OPERAND_TEXT_SIZE = 64;
static_assert(OPERAND_TEXT_SIZE >= BOUND_TEXT_SIZE, "a bound text fits a ring buffer");
char operandRing[OPERAND_RING_SIZE][OPERAND_TEXT_SIZE];
int ringIndex = 0;

char* nextRingBuffer()
{
    ringIndex = (ringIndex + 1) % OPERAND_RING_SIZE;
    return operandRing[ringIndex];
}

void clearBinding(int index)
{
    boundBytes &= static_cast<uint16_t>(~(1u << index));
}

// Writes the pending value of a bound byte into its register and unbinds it.
void loadBinding(int index)
{
    emit(" LDA {}\n STA {}\n", boundText[index], byteRegisterNames[index]);
    clearBinding(index);
}

// The names of the table never change, so they are handed out as they are.
const char* byteName(int number)
{
    if (number < FIRST_NUMBERED_NAME)
        return byteRegisterNames[number - REGISTER_BASE];
    char* text = nextRingBuffer();
    formatText(text, OPERAND_TEXT_SIZE, FMT_COMPILE("R{:02X}H"), number);
    return text;
}

}  // namespace

// Every register number that code is about to bind, name or write passes
// here: past the block there is no register, below the first temporary the
// operand stack has been emptied by a value that has no slot.
void checkRegister(int number)
{
    if (number < FIRST_TEMP || number >= REGISTER_LIMIT)
        fatalError("error: expression too complex");
}

void bindRegister(int number, const char* text)
{
    bindRegister(number, text, strlen(text));
}

void bindRegister(int number, const char* text, size_t length)
{
    checkRegister(number);
    if (length >= BOUND_TEXT_SIZE)
        fatalError("error: name too long");
    int index = number - REGISTER_BASE;
    memcpy(boundText[index], text, length + 1);  // the NUL too
    boundBytes |= static_cast<uint16_t>(1u << index);
}

// byteOperand for every byte: pending, or with a formatted name.
const char* byteOperandPending(int number, bool keep)
{
    checkRegister(number);
    int index = number - REGISTER_BASE;
    if (isBound(index)) {
        if (keep) {
            char* text = nextRingBuffer();
            memcpy(text, boundText[index], BOUND_TEXT_SIZE);  // whole: a fixed copy is cheaper
            clearBinding(index);
            return text;
        }
        loadBinding(index);
    }
    return byteName(number);
}

// Loads both bytes of the word if pending and names the word, for templates
// that reach its bytes as %s, %s+1 or address through (%s),Y.
const char* wordOperand(int number)
{
    checkRegister(number);
    checkRegister(number + 1);
    int index = number - REGISTER_BASE;
    if (isBound(index))
        loadBinding(index);
    if (isBound(index + 1))
        loadBinding(index + 1);
    if (number < FIRST_NUMBERED_NAME - 1)
        return wordRegisterNames[index / 2];
    char* text = nextRingBuffer();
    formatText(text, OPERAND_TEXT_SIZE, FMT_COMPILE("R{:02X}H"), number);
    return text;
}

// Drops the pending values of a word without writing them, before the word
// is overwritten from elsewhere.
void releaseRegister(int number)
{
    checkRegister(number);
    clearBinding(number - REGISTER_BASE);
    if (number + 1 < REGISTER_LIMIT)
        clearBinding(number + 1 - REGISTER_BASE);
}

// Bytes from limit on are dead and forgotten; every byte below that is
// still pending is loaded, lowest number first.
void flushRegisters(int limit)
{
    int first = limit < REGISTER_BASE ? REGISTER_BASE : limit;
    if (first < REGISTER_LIMIT)
        boundBytes &= static_cast<uint16_t>((1u << (first - REGISTER_BASE)) - 1);
    while (boundBytes != 0)
        loadBinding(__builtin_ctz(boundBytes));  // lowest number first
}
