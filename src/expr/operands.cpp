// Temporaries and operand texts: the register bytes BX..REF numbered 34..47,
// the stack discipline of tempCounter, the pending (bound) values of register
// bytes, and the ring of buffers that operand texts are handed out in.
#include <cstring>

#include "base/diagnostics.h"
#include "expr/expr.h"
#include "output/output.h"

int32_t tempCounter = FIRST_TEMP;

namespace {

// The sixteen bytes of the register block carry the numbers 32..47; 32/33
// is BP, the parking place of the frame register, never a temporary.
constexpr int REGISTER_BASE = 32;
constexpr int REGISTER_COUNT = REGISTER_LIMIT - REGISTER_BASE;

const char* const byteRegisterNames[REGISTER_COUNT] = {
    "BP", "BP", "BL", "BH", "CL", "CH", "DL", "DH",
    "AL", "AH", "R2A", "R2B", "R2C", "R2D", "R2E", "R2F",
};
const char* const wordRegisterNames[REGISTER_COUNT / 2] = {
    "BP", "BX", "CX", "DX", "AX", "RAB", "RCD", "REF",
};
// Bytes from this number on have no table name as operands: R2AH..R2FH.
constexpr int FIRST_NUMBERED_NAME = 42;

// A bound byte does not hold its value yet: boundText names where it is.
constexpr int BOUND_TEXT_SIZE = 64;
bool bound[REGISTER_COUNT];
char boundText[REGISTER_COUNT][BOUND_TEXT_SIZE];

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

// Writes the pending value of a bound byte into its register and unbinds it.
void loadBinding(int index)
{
    emit(" LDA {}\n STA {}\n", boundText[index], byteRegisterNames[index]);
    bound[index] = false;
}

// The operand text R2AH..R2FH of a byte past the named ones, or of the word
// that starts there.
const char* numberedName(int number)
{
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
    checkRegister(number);
    if (strlen(text) >= BOUND_TEXT_SIZE)
        fatalError("error: name too long");
    int index = number - REGISTER_BASE;
    strcpy(boundText[index], text);
    bound[index] = true;
}

const char* byteOperand(int number, bool keep)
{
    checkRegister(number);
    int index = number - REGISTER_BASE;
    if (bound[index]) {
        if (keep) {
            char* text = nextRingBuffer();
            strcpy(text, boundText[index]);
            bound[index] = false;
            return text;
        }
        loadBinding(index);
    }
    if (number < FIRST_NUMBERED_NAME)
        return byteRegisterNames[index];
    return numberedName(number);
}

// Loads both bytes of the word if pending and names the word, for templates
// that reach its bytes as {}, {}+1 or address through ({}),Y.
const char* wordOperand(int number)
{
    checkRegister(number);
    checkRegister(number + 1);
    int index = number - REGISTER_BASE;
    if (bound[index])
        loadBinding(index);
    if (bound[index + 1])
        loadBinding(index + 1);
    if (number < FIRST_NUMBERED_NAME - 1)
        return wordRegisterNames[index / 2];
    return numberedName(number);
}

// Drops the pending values of a word without writing them, before the word
// is overwritten from elsewhere.
void releaseRegister(int number)
{
    checkRegister(number);
    bound[number - REGISTER_BASE] = false;
    if (number + 1 < REGISTER_LIMIT)
        bound[number + 1 - REGISTER_BASE] = false;
}

// Bytes from limit on are dead and forgotten; every byte below that is
// still pending is loaded, lowest number first.
void flushRegisters(int limit)
{
    int first = limit < REGISTER_BASE ? REGISTER_BASE : limit;
    for (int number = first; number < REGISTER_LIMIT; number++)
        bound[number - REGISTER_BASE] = false;
    for (int index = 0; index < REGISTER_COUNT; index++) {
        if (bound[index])
            loadBinding(index);
    }
}
