// The header and trailer that frame every output: the pseudo-register block
// equates, the origin, the optional stack set-up, the start-up jump and the
// closing signature.
#include <cstdint>

#include "base/options.h"
#include "output/output.h"

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

// Address of the block byte at offset, wrapped to 16 bits like every address
// the output names.
static unsigned blockAddress(unsigned base, unsigned offset)
{
    return (base + offset) & ADDRESS_MASK;
}

// Equates of the block with two-digit values (the whole block in page zero).
static void writeNarrowRegisterEquates(unsigned base)
{
    emit("DIVISOR_PRODUCT EQU ${:02X}\n", blockAddress(base, 0));
    emit("QUOTIENT_FACTOR EQU ${:02X}\n", blockAddress(base, 8));
    emit("DIVIDEND_REMAINDER EQU ${:02X}\n", blockAddress(base, 12));
    emit("N EQU ${:02X}\n", blockAddress(base, 16));
    emit("BP EQU ${:02X}\t* ix\n", blockAddress(base, 16));
    emit("BX EQU ${:02X}\t* hl\nBL EQU BX\nBH EQU BX+1\n", blockAddress(base, 18));
    emit("CX EQU ${:02X}\t* bc\nCL EQU CX\nCH EQU CX+1\n", blockAddress(base, 20));
    emit("DX EQU ${:02X}\t* de\nDL EQU DX\nDH EQU DX+1\n", blockAddress(base, 22));
    emit("AX EQU ${:02X}\t* iy\nAL EQU AX\nAH EQU AX+1\n", blockAddress(base, 24));
    emit("RAB EQU ${:02X}\nR2A EQU RAB\nR2B EQU RAB+1\n", blockAddress(base, 26));
    emit("RCD EQU ${:02X}\nR2C EQU RCD\nR2D EQU RCD+1\n", blockAddress(base, 28));
    emit("REF EQU ${:02X}\nR2E EQU REF\nR2F EQU REF+1\n", blockAddress(base, 30));
}

// The same equates with four-digit values (the block reaches past page zero).
static void writeWideRegisterEquates(unsigned base)
{
    emit("DIVISOR_PRODUCT EQU ${:04X}\n", blockAddress(base, 0));
    emit("QUOTIENT_FACTOR EQU ${:04X}\n", blockAddress(base, 8));
    emit("DIVIDEND_REMAINDER EQU ${:04X}\n", blockAddress(base, 12));
    emit("N EQU ${:04X}\n", blockAddress(base, 16));
    emit("BP EQU ${:04X}\t* ix\n", blockAddress(base, 16));
    emit("BX EQU ${:04X}\t* hl\nBL EQU BX\nBH EQU BX+1\n", blockAddress(base, 18));
    emit("CX EQU ${:04X}\t* bc\nCL EQU CX\nCH EQU CX+1\n", blockAddress(base, 20));
    emit("DX EQU ${:04X}\t* de\nDL EQU DX\nDH EQU DX+1\n", blockAddress(base, 22));
    emit("AX EQU ${:04X}\t* iy\nAL EQU AX\nAH EQU AX+1\n", blockAddress(base, 24));
    emit("RAB EQU ${:04X}\nR2A EQU RAB\nR2B EQU RAB+1\n", blockAddress(base, 26));
    emit("RCD EQU ${:04X}\nR2C EQU RCD\nR2D EQU RCD+1\n", blockAddress(base, 28));
    emit("REF EQU ${:04X}\nR2E EQU REF\nR2F EQU REF+1\n", blockAddress(base, 30));
}

// Title, register block, origin, stack set-up (when -S gave one) and the jump
// to ZMAIN. Afterwards ramBase is the first free RAM address for variables,
// never inside the stack page.
void writeHeader()
{
    emit("* Quarnel Output\n\n");
    unsigned base = ramBase;
    if (base + REGISTER_BLOCK_SIZE > 256)
        writeWideRegisterEquates(base);
    else
        writeNarrowRegisterEquates(base);

    ramBase = static_cast<uint16_t>(ramBase + REGISTER_BLOCK_SIZE);
    if (ramBase >= STACK_PAGE_FIRST && ramBase <= STACK_PAGE_LAST)
        ramBase = AFTER_STACK_PAGE;

    emit("\n ORG ${:04X}\n", static_cast<unsigned>(romOrigin));
    // #> takes the low byte: X gets the low byte of the stack address.
    if (stackInit != NO_ADDRESS)
        emit(" LDX #>${:04X}\n TXS\n", static_cast<unsigned>(stackInit));
    emit(" JMP ZMAIN\n");
}

// Two signature bytes, then END as a comment: the output ends without an
// active END directive.
void writeTrailer()
{
    emit(" DB {}\n DB {}\n", SIGNATURE_FIRST, SIGNATURE_SECOND);
    emit("* \n* END * ZMAIN\n");
}
