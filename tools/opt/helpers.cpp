// The runtime routines of helper-call mode (runtime/*.asm) as their header
// comments state them: what each writes (its result) and clobbers. Every
// routine takes its operands from the stack, keeps X and the stack pointer,
// and reads nothing else the optimizer follows; a JSR to one of them is
// therefore not a call that reads and writes everything. This table is the
// one place to change when a routine's header changes.
#include "opt.h"

namespace {

// Block byte offsets (the header's layout of the register block).
constexpr int DIVISOR_PRODUCT = 0;
constexpr int QUOTIENT_FACTOR = 8;
constexpr int DIVIDEND_REMAINDER = 12;
constexpr int BL = 18;
constexpr int BH = 19;

constexpr LocSet blockBytes(int first, int count)
{
    LocSet set = 0;
    for (int k = 0; k < count; k++)
        set |= bit(LOC_BLOCK + first + k);
    return set;
}

constexpr LocSet FLAGS = bit(LOC_C) | bit(LOC_Z) | bit(LOC_N) | bit(LOC_V);
constexpr LocSet A = bit(LOC_A);
constexpr LocSet Y = bit(LOC_Y);
constexpr LocSet BX = bit(LOC_BLOCK + BL) | bit(LOC_BLOCK + BH);

const HelperContract HELPERS[] = {
    // BL = left * right; clobbers A, flags, DIVISOR_PRODUCT+0..+2.
    {"ZMUL8HELPER", bit(LOC_BLOCK + BL) | A | FLAGS | blockBytes(DIVISOR_PRODUCT, 3)},
    // BL = left / right, left % right; clobber A, Y, flags, DIVISOR_PRODUCT+0..+2, QUOTIENT_FACTOR+0.
    {"ZDIV8HELPER", bit(LOC_BLOCK + BL) | A | Y | FLAGS | blockBytes(DIVISOR_PRODUCT, 3) | blockBytes(QUOTIENT_FACTOR, 1)},
    {"ZMOD8HELPER", bit(LOC_BLOCK + BL) | A | Y | FLAGS | blockBytes(DIVISOR_PRODUCT, 3) | blockBytes(QUOTIENT_FACTOR, 1)},
    // BX = left * right; clobbers A, Y, flags, DIVISOR_PRODUCT+0..+4, QUOTIENT_FACTOR+0.
    {"ZMUL16HELPER", BX | A | Y | FLAGS | blockBytes(DIVISOR_PRODUCT, 5) | blockBytes(QUOTIENT_FACTOR, 1)},
    // BX = left / right, left % right; clobber A, Y, flags, DIVISOR_PRODUCT+0..+2,
    // QUOTIENT_FACTOR+0..+1, DIVIDEND_REMAINDER+0..+1.
    {"ZDIV16HELPER", BX | A | Y | FLAGS | blockBytes(DIVISOR_PRODUCT, 3) | blockBytes(QUOTIENT_FACTOR, 2) |
                         blockBytes(DIVIDEND_REMAINDER, 2)},
    {"ZMOD16HELPER", BX | A | Y | FLAGS | blockBytes(DIVISOR_PRODUCT, 3) | blockBytes(QUOTIENT_FACTOR, 2) |
                         blockBytes(DIVIDEND_REMAINDER, 2)},
    // The result replaces the left operand on the stack; clobbers A, flags,
    // DIVISOR_PRODUCT+0..+7, QUOTIENT_FACTOR+0..+1.
    {"ZMUL32HELPER", A | FLAGS | blockBytes(DIVISOR_PRODUCT, 8) | blockBytes(QUOTIENT_FACTOR, 2)},
    // The result replaces the left operand on the stack; clobber A, Y, flags,
    // DIVISOR_PRODUCT+0..+6, QUOTIENT_FACTOR+0..+3, DIVIDEND_REMAINDER+0..+3.
    {"ZDIV32HELPER", A | Y | FLAGS | blockBytes(DIVISOR_PRODUCT, 7) | blockBytes(QUOTIENT_FACTOR, 4) |
                         blockBytes(DIVIDEND_REMAINDER, 4)},
    {"ZMOD32HELPER", A | Y | FLAGS | blockBytes(DIVISOR_PRODUCT, 7) | blockBytes(QUOTIENT_FACTOR, 4) |
                         blockBytes(DIVIDEND_REMAINDER, 4)},
};

} // namespace

const HelperContract* findHelper(const Program& program, const std::string& label)
{
    // A source function of the same name (mul8helper) is the routine itself:
    // then it is compiled code like any other.
    if (!program.hasBlock || program.symbols.count(label))
        return nullptr;
    for (const HelperContract& helper : HELPERS)
        if (label == helper.name)
            return &helper;
    return nullptr;
}
