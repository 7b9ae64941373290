// What one instruction reads and writes: registers, flags and block bytes as
// location sets, and its memory operand as a target. A frame operand is the
// compiler's $0100+NAME,X (a byte of the current function's frame on the
// stack page, which no variable, port or block byte shares); any other
// address outside the block is memory that stays as written; an address the
// text does not tell may be anything.
#include "opt.h"

namespace {

constexpr LocSet FLAGS = bit(LOC_C) | bit(LOC_Z) | bit(LOC_N) | bit(LOC_V);
constexpr LocSet NZ = bit(LOC_Z) | bit(LOC_N);

bool isFrameForm(const Program& program, const Address& address)
{
    if (!address.valid)
        return false;
    if (address.name.empty())
        return address.offset >= 0x100 && address.offset < 0x200;
    auto found = program.symbols.find(address.name);
    return found != program.symbols.end() && found->second.numeric && address.offset >= 0x100 &&
           address.offset < 0x200;
}

// A name the program defines as a label of code or data: an address that is
// neither the block nor the stack page.
bool isProgramLabel(const Program& program, const Address& address)
{
    if (!address.valid || address.name.empty())
        return false;
    auto found = program.symbols.find(address.name);
    return found != program.symbols.end() && found->second.kind != SYMBOL_EQUATE;
}

LocSet pointerBytes(const Program& program, const Address& address)
{
    int first = blockByte(program, address);
    if (first < 0)
        return 0;
    LocSet set = bit(LOC_BLOCK + first);
    if (first + 1 < BLOCK_SIZE)
        set |= bit(LOC_BLOCK + first + 1);
    return set;
}

} // namespace

Target targetOf(const Program& program, const Line& line)
{
    Target target;
    const Address& address = line.address;
    switch (line.operand.mode) {
    case MODE_IMPLIED:
    case MODE_ACCUMULATOR:
        return target;
    case MODE_IMMEDIATE:
        target.kind = TARGET_IMMEDIATE;
        return target;
    case MODE_DIRECT: {
        int byte = blockByte(program, address);
        if (byte >= 0) {
            target.kind = TARGET_BLOCK;
            target.byte = byte;
        } else if (address.valid && address.numeric && (address.value < 0x100 || address.value >= 0x200)) {
            target.kind = TARGET_MEMORY;
        } else if (isProgramLabel(program, address)) {
            target.kind = TARGET_MEMORY;
        } else {
            target.kind = TARGET_UNKNOWN;
        }
        return target;
    }
    case MODE_DIRECT_X:
        if (isFrameForm(program, address)) {
            target.kind = TARGET_FRAME;
            target.base = address.value;
            target.indexed = true;
            return target;
        }
        [[fallthrough]];
    case MODE_DIRECT_Y:
        // An array indexed from its label stays in the array.
        target.kind = isProgramLabel(program, address) ? TARGET_MEMORY : TARGET_UNKNOWN;
        return target;
    case MODE_INDIRECT_X:
    case MODE_INDIRECT_Y:
        target.kind = TARGET_POINTER;
        return target;
    default:
        target.kind = TARGET_UNKNOWN;
        return target;
    }
}

Effects effectsOf(const Program& program, const Line& line, const Target* resolved)
{
    Effects effects;
    Op op = line.op;
    const Operand& operand = line.operand;
    bool onMemory = operand.mode != MODE_IMPLIED && operand.mode != MODE_ACCUMULATOR;
    bool readsOperand = false, writesOperand = false;
    LocSet& reads = effects.reads;
    LocSet& writes = effects.writes;
    switch (op) {
    case OP_ADC:
    case OP_SBC:
        reads |= bit(LOC_A) | bit(LOC_C) | bit(LOC_D);
        writes |= bit(LOC_A) | FLAGS;
        readsOperand = true;
        break;
    case OP_AND:
    case OP_ORA:
    case OP_EOR:
        reads |= bit(LOC_A);
        writes |= bit(LOC_A) | NZ;
        readsOperand = true;
        break;
    case OP_ASL:
    case OP_LSR:
    case OP_ROL:
    case OP_ROR:
        if (op == OP_ROL || op == OP_ROR)
            reads |= bit(LOC_C);
        writes |= bit(LOC_C) | NZ;
        if (onMemory) {
            readsOperand = writesOperand = true;
        } else {
            reads |= bit(LOC_A);
            writes |= bit(LOC_A);
        }
        break;
    case OP_BIT:
        reads |= bit(LOC_A);
        writes |= NZ | bit(LOC_V);
        readsOperand = true;
        break;
    case OP_CMP:
    case OP_CPX:
    case OP_CPY:
        reads |= bit(op == OP_CMP ? LOC_A : op == OP_CPX ? LOC_X : LOC_Y);
        writes |= bit(LOC_C) | NZ;
        readsOperand = true;
        break;
    case OP_DEC:
    case OP_INC:
        writes |= NZ;
        readsOperand = writesOperand = true;
        break;
    case OP_DEX:
    case OP_INX:
        reads |= bit(LOC_X);
        writes |= bit(LOC_X) | NZ;
        break;
    case OP_DEY:
    case OP_INY:
        reads |= bit(LOC_Y);
        writes |= bit(LOC_Y) | NZ;
        break;
    case OP_LDA:
    case OP_LDX:
    case OP_LDY:
        writes |= bit(op == OP_LDA ? LOC_A : op == OP_LDX ? LOC_X : LOC_Y) | NZ;
        readsOperand = true;
        break;
    case OP_STA:
    case OP_STX:
    case OP_STY:
        reads |= bit(op == OP_STA ? LOC_A : op == OP_STX ? LOC_X : LOC_Y);
        writesOperand = true;
        break;
    case OP_TAX:
        reads |= bit(LOC_A);
        writes |= bit(LOC_X) | NZ;
        break;
    case OP_TAY:
        reads |= bit(LOC_A);
        writes |= bit(LOC_Y) | NZ;
        break;
    case OP_TXA:
        reads |= bit(LOC_X);
        writes |= bit(LOC_A) | NZ;
        break;
    case OP_TYA:
        reads |= bit(LOC_Y);
        writes |= bit(LOC_A) | NZ;
        break;
    case OP_TSX:
        reads |= bit(LOC_S);
        writes |= bit(LOC_X) | NZ;
        break;
    case OP_TXS:
        reads |= bit(LOC_X);
        writes |= bit(LOC_S);
        effects.sideEffect = true;
        break;
    case OP_PHA:
    case OP_PHP:
        reads |= bit(LOC_S) | (op == OP_PHA ? bit(LOC_A) : FLAGS | bit(LOC_D) | bit(LOC_I));
        writes |= bit(LOC_S);
        effects.sideEffect = true;
        break;
    case OP_PLA:
        reads |= bit(LOC_S);
        writes |= bit(LOC_S) | bit(LOC_A) | NZ;
        effects.sideEffect = true;
        break;
    case OP_PLP:
        reads |= bit(LOC_S);
        writes |= bit(LOC_S) | FLAGS | bit(LOC_D) | bit(LOC_I);
        effects.sideEffect = true;
        break;
    case OP_CLC:
    case OP_SEC:
        writes |= bit(LOC_C);
        break;
    case OP_CLV:
        writes |= bit(LOC_V);
        break;
    case OP_CLD:
    case OP_SED:
        writes |= bit(LOC_D);
        break;
    case OP_CLI:
    case OP_SEI:
        writes |= bit(LOC_I);
        effects.sideEffect = true;
        break;
    case OP_NOP:
        // Kept: inline code may count on its time.
        effects.sideEffect = true;
        break;
    case OP_BCC:
    case OP_BCS:
        reads |= bit(LOC_C);
        effects.sideEffect = true;
        break;
    case OP_BEQ:
    case OP_BNE:
        reads |= bit(LOC_Z);
        effects.sideEffect = true;
        break;
    case OP_BMI:
    case OP_BPL:
        reads |= bit(LOC_N);
        effects.sideEffect = true;
        break;
    case OP_BVC:
    case OP_BVS:
        reads |= bit(LOC_V);
        effects.sideEffect = true;
        break;
    case OP_JMP:
        effects.sideEffect = true;
        if (operand.mode == MODE_INDIRECT)
            reads = ALL_LOCATIONS;
        return effects.mayWrite = writes, effects;
    case OP_RTS:
        // The returned value is in BX; the caller's frame register in X.
        reads |= bit(LOC_X) | bit(LOC_S) | bit(LOC_D) | bit(LOC_I);
        if (program.hasBlock)
            reads |= bit(LOC_BLOCK + 18) | bit(LOC_BLOCK + 19);
        effects.sideEffect = true;
        return effects.mayWrite = writes, effects;
    case OP_JSR: {
        effects.sideEffect = true;
        const HelperContract* helper =
            line.address.valid && line.address.offset == 0 ? findHelper(program, line.address.name) : nullptr;
        if (helper) {
            reads |= bit(LOC_S) | bit(LOC_D);
            writes |= helper->writes;
            return effects.mayWrite = writes, effects;
        }
        // A function of the program reads what its code reads; it may
        // write anything.
        auto summary = line.address.valid && line.address.offset == 0 ? program.callReads.find(line.address.name)
                                                                        : program.callReads.end();
        if (summary != program.callReads.end()) {
            effects.unknownCall = true;
            effects.frameBarrier = true;
            effects.reads = summary->second | bit(LOC_S) | bit(LOC_D) | bit(LOC_I);
            effects.mayWrite = ALL_LOCATIONS;
            return effects;
        }
        [[fallthrough]];
    }
    case OP_BRK:
    case OP_RTI:
    default:
        effects.sideEffect = true;
        effects.unknownCall = true;
        effects.frameBarrier = true;
        reads = ALL_LOCATIONS;
        effects.mayWrite = ALL_LOCATIONS;
        return effects;
    }
    effects.mayWrite = writes;
    if (!onMemory)
        return effects;
    Target target = resolved && resolved->kind != TARGET_NONE ? *resolved : targetOf(program, line);
    effects.target = target;
    effects.readsTarget = readsOperand;
    effects.writesTarget = writesOperand;
    if (operand.mode == MODE_DIRECT_X || operand.mode == MODE_INDIRECT_X)
        reads |= bit(LOC_X);
    if (operand.mode == MODE_DIRECT_Y || operand.mode == MODE_INDIRECT_Y)
        reads |= bit(LOC_Y);
    if (operand.mode == MODE_INDIRECT_Y)
        reads |= pointerBytes(program, line.address);
    if (operand.mode == MODE_INDIRECT_X)
        reads |= BLOCK_BYTES;  // the pointer's place depends on X
    switch (target.kind) {
    case TARGET_BLOCK:
        if (readsOperand)
            reads |= bit(LOC_BLOCK + target.byte);
        if (writesOperand) {
            writes |= bit(LOC_BLOCK + target.byte);
            effects.mayWrite |= bit(LOC_BLOCK + target.byte);
        }
        break;
    case TARGET_MEMORY:
        effects.sideEffect = true;
        break;
    case TARGET_POINTER:
        effects.sideEffect = true;
        effects.frameBarrier = writesOperand;
        break;
    case TARGET_UNKNOWN:
        effects.sideEffect = true;
        if (readsOperand)
            reads |= BLOCK_BYTES;
        if (writesOperand) {
            effects.mayWrite |= BLOCK_BYTES;
            effects.frameBarrier = true;
        }
        break;
    default:
        break;
    }
    return effects;
}
