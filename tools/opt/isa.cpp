// The 6502's instructions: names, the addressing modes each has, sizes, and
// the flag each branch tests.
// Indexed operands are written absolute (the bridge makes every X- and
// Y-indexed operand absolute, except for STX and STY, which have only the
// page-zero form), so their size does not depend on the address.
#include "opt.h"

namespace {

// Addressing forms as the 6502 encodes them.
enum Form : uint16_t {
    IMP = 1 << 0, ACC = 1 << 1, IMM = 1 << 2, ZP = 1 << 3, ZPX = 1 << 4, ZPY = 1 << 5, ABS = 1 << 6,
    ABSX = 1 << 7, ABSY = 1 << 8, IND = 1 << 9, INDX = 1 << 10, INDY = 1 << 11, REL = 1 << 12,
};
constexpr uint16_t ALU = IMM | ZP | ZPX | ABS | ABSX | ABSY | INDX | INDY;
constexpr uint16_t SHIFT = ACC | ZP | ZPX | ABS | ABSX;

struct OpInfo {
    const char* name;
    uint16_t forms;
};

const OpInfo OPS[OP_COUNT] = {
    {"", 0},
    {"ADC", ALU}, {"AND", ALU}, {"ASL", SHIFT}, {"BCC", REL}, {"BCS", REL}, {"BEQ", REL},
    {"BIT", ZP | ABS}, {"BMI", REL}, {"BNE", REL}, {"BPL", REL}, {"BRK", IMP}, {"BVC", REL},
    {"BVS", REL}, {"CLC", IMP}, {"CLD", IMP}, {"CLI", IMP}, {"CLV", IMP}, {"CMP", ALU},
    {"CPX", IMM | ZP | ABS}, {"CPY", IMM | ZP | ABS}, {"DEC", ZP | ZPX | ABS | ABSX}, {"DEX", IMP},
    {"DEY", IMP}, {"EOR", ALU}, {"INC", ZP | ZPX | ABS | ABSX}, {"INX", IMP}, {"INY", IMP},
    {"JMP", ABS | IND}, {"JSR", ABS}, {"LDA", ALU}, {"LDX", IMM | ZP | ZPY | ABS | ABSY},
    {"LDY", IMM | ZP | ZPX | ABS | ABSX}, {"LSR", SHIFT}, {"NOP", IMP}, {"ORA", ALU}, {"PHA", IMP},
    {"PHP", IMP}, {"PLA", IMP}, {"PLP", IMP}, {"ROL", SHIFT}, {"ROR", SHIFT}, {"RTI", IMP},
    {"RTS", IMP}, {"SBC", ALU}, {"SEC", IMP}, {"SED", IMP}, {"SEI", IMP},
    {"STA", ZP | ZPX | ABS | ABSX | ABSY | INDX | INDY}, {"STX", ZP | ZPY | ABS}, {"STY", ZP | ZPX | ABS},
    {"TAX", IMP}, {"TAY", IMP}, {"TSX", IMP}, {"TXA", IMP}, {"TXS", IMP}, {"TYA", IMP},
};

// The form the assembler chooses for an operand, 0 when there is none.
Form formOf(Op op, AddressMode mode, bool zeroPage)
{
    uint16_t forms = OPS[op].forms;
    bool storeXY = op == OP_STX || op == OP_STY;
    switch (mode) {
    case MODE_IMPLIED:
        // ASL alone works on the accumulator, as ASL A does.
        return (forms & IMP) ? IMP : (forms & ACC) ? ACC : Form(0);
    case MODE_ACCUMULATOR:
        return ACC;
    case MODE_IMMEDIATE:
        return IMM;
    case MODE_DIRECT:
        if (forms & REL)
            return REL;
        return zeroPage && (forms & ZP) ? ZP : ABS;
    case MODE_DIRECT_X:
        return storeXY ? ZPX : ABSX;
    case MODE_DIRECT_Y:
        return storeXY ? ZPY : ABSY;
    case MODE_INDIRECT:
        return IND;
    case MODE_INDIRECT_X:
        return INDX;
    case MODE_INDIRECT_Y:
        return INDY;
    }
    return Form(0);
}

} // namespace

Op opFromName(const std::string& mnemonic)
{
    std::string upper = upperCase(mnemonic);
    for (int op = 1; op < OP_COUNT; op++)
        if (upper == OPS[op].name)
            return Op(op);
    return OP_NONE;
}

const char* opName(Op op) { return OPS[op].name; }

bool isConditionalBranch(Op op) { return op != OP_NONE && (OPS[op].forms & REL); }

int branchFlag(Op op)
{
    switch (op) {
    case OP_BCC: case OP_BCS: return LOC_C;
    case OP_BEQ: case OP_BNE: return LOC_Z;
    case OP_BMI: case OP_BPL: return LOC_N;
    default: return LOC_V;
    }
}

bool takenWhenSet(Op op) { return op == OP_BCS || op == OP_BEQ || op == OP_BMI || op == OP_BVS; }

Op invertBranch(Op op)
{
    switch (op) {
    case OP_BCC: return OP_BCS;
    case OP_BCS: return OP_BCC;
    case OP_BEQ: return OP_BNE;
    case OP_BNE: return OP_BEQ;
    case OP_BMI: return OP_BPL;
    case OP_BPL: return OP_BMI;
    case OP_BVC: return OP_BVS;
    case OP_BVS: return OP_BVC;
    default: return op;
    }
}

bool modeExists(Op op, AddressMode mode, bool zeroPage)
{
    Form form = formOf(op, mode, zeroPage);
    if (form == ZPX || form == ZPY)
        return zeroPage && (OPS[op].forms & form);
    return form != 0 && (OPS[op].forms & form);
}

bool canWrite(Op op, AddressMode mode, bool zeroPage)
{
    return modeExists(op, mode, zeroPage) && !(op == OP_ROL && formOf(op, mode, zeroPage) == ABSX);
}

bool usesZeroPage(Op op, AddressMode mode, bool zeroPage)
{
    Form form = formOf(op, mode, zeroPage);
    return form == ZP || form == ZPX || form == ZPY;
}

int instructionSize(Op op, AddressMode mode, bool zeroPage)
{
    switch (formOf(op, mode, zeroPage)) {
    case IMP:
    case ACC:
        return 1;
    case ABS:
    case ABSX:
    case ABSY:
    case IND:
        return 3;
    default:
        return 2;
    }
}
