// Operands the known values can replace.
//   constants  a block or frame byte whose value is a constant or an
//              address byte is read as an immediate (LDA CL -> LDA #5,
//              LDA BL -> LDA #>TABLE); a load of a value another register
//              holds becomes a transfer (LDA CL -> TXA); an arithmetic
//              instruction whose result is known becomes a load of it
//   copies     a block byte that holds the same value as a frame byte is,
//              at its last read, read from the frame byte, so that the
//              copy into the block byte can go
#include "opt.h"

namespace {

bool hasImmediate(Op op)
{
    switch (op) {
    case OP_LDA: case OP_LDX: case OP_LDY: case OP_ADC: case OP_SBC: case OP_AND: case OP_ORA:
    case OP_EOR: case OP_CMP: case OP_CPX: case OP_CPY:
        return true;
    default:
        return false;
    }
}

// The value an instruction reads from its block or frame operand, or 0.
TermId operandValue(const Effects& effects, const State& state)
{
    if (!effects.readsTarget)
        return 0;
    if (effects.target.kind == TARGET_BLOCK)
        return state.loc[LOC_BLOCK + effects.target.byte];
    if (effects.target.kind == TARGET_FRAME)
        return frameValue(state, effects.target.base, state.loc[LOC_X]);
    return 0;
}

// An immediate operand that gives the term, if there is one.
bool immediateOf(const Program& program, TermTable& terms, TermId value, ByteSelect& select, Address& address)
{
    int constant = constValue(terms, value);
    const TermData& term = termOf(terms, value);
    if (constant >= 0 && term.kind == T_CONST) {
        select = SELECT_WHOLE;
        address = Address{};
        address.valid = address.numeric = true;
        address.offset = address.value = constant;
        return true;
    }
    if (term.kind != T_LOW && term.kind != T_HIGH)
        return false;
    const SymExpr& expr = exprOf(terms, term.a);
    if (expr.index != 0 || (!expr.name.empty() && !program.symbols.count(expr.name)))
        return false;
    select = term.kind == T_LOW ? SELECT_LOW : SELECT_HIGH;
    address = addressOf(program, expr);
    return true;
}

Op transferInto(Op load, const State& state, TermId value)
{
    if (load == OP_LDA && state.loc[LOC_X] == value)
        return OP_TXA;
    if (load == OP_LDA && state.loc[LOC_Y] == value)
        return OP_TYA;
    if (load == OP_LDX && state.loc[LOC_A] == value)
        return OP_TAX;
    if (load == OP_LDY && state.loc[LOC_A] == value)
        return OP_TAY;
    return OP_NONE;
}

// A load of X or Y with an immediate one more or one less than it holds.
Op stepInto(Op op, const Line& line, const State& state, TermTable& terms)
{
    if ((op != OP_LDX && op != OP_LDY) || line.operand.mode != MODE_IMMEDIATE)
        return OP_NONE;
    TermId wanted = immediateTerm(terms, line);
    int want = wanted ? constValue(terms, wanted) : -1;
    // Only from a plain number: a register that holds an address byte is
    // usually about to be dead, and the step would keep it alive.
    TermId holding = state.loc[op == OP_LDX ? LOC_X : LOC_Y];
    int held = termOf(terms, holding).kind == T_CONST ? constValue(terms, holding) : -1;
    if (want < 0 || held < 0)
        return OP_NONE;
    if (want == ((held + 1) & 0xFF))
        return op == OP_LDX ? OP_INX : OP_INY;
    if (want == ((held - 1) & 0xFF))
        return op == OP_LDX ? OP_DEX : OP_DEY;
    return OP_NONE;
}

// The register an arithmetic instruction leaves its result in, or -1.
int resultRegister(Op op, AddressMode mode)
{
    switch (op) {
    case OP_ADC: case OP_SBC: case OP_AND: case OP_ORA: case OP_EOR:
        return LOC_A;
    case OP_ASL: case OP_LSR: case OP_ROL: case OP_ROR:
        return mode == MODE_ACCUMULATOR || mode == MODE_IMPLIED ? LOC_A : -1;
    default:
        // INX and the like are already shorter than a load.
        return -1;
    }
}

// The header's name of block byte k (BL for byte 18), as an address.
Address blockAddress(const Program& program, int k)
{
    std::string best;
    for (const auto& [name, symbol] : program.symbols)
        if (symbol.kind == SYMBOL_EQUATE && symbol.numeric && symbol.value == ((program.blockBase + k) & 0xFFFF) &&
            symbol.line < program.firstCodeLine && (best.empty() || name.size() < best.size()))
            best = name;
    return addressOf(program, SymExpr{best, best.empty() ? (program.blockBase + k) & 0xFFFF : 0, 0});
}

} // namespace

bool passConstants(Context& context)
{
    Program& program = context.program;
    Region& region = context.region;
    TermTable& terms = *context.values.terms;
    bool changed = false;
    forEachInstruction(context, [&](int index, const Effects& effects, const State& before, const State& after) {
        const Line& line = region.lines[index];
        Op op = line.op;
        // A load of a value that an immediate or a register gives.
        TermId value = operandValue(effects, before);
        ByteSelect select;
        Address address;
        // An immediate first (it keeps no register busy), then a transfer.
        if (value && hasImmediate(op) && immediateOf(program, terms, value, select, address)) {
            replaceLine(region, index, makeInstruction(program, op, MODE_IMMEDIATE, select, address));
            changed = true;
            return;
        }
        Op transfer = value ? transferInto(op, before, value) : OP_NONE;
        if (transfer != OP_NONE) {
            replaceLine(region, index, makeInstruction(program, transfer));
            changed = true;
            return;
        }
        // LDY #1 with Y = 0: INY, one byte shorter.
        Op step = stepInto(op, line, before, terms);
        if (step != OP_NONE) {
            replaceLine(region, index, makeInstruction(program, step));
            changed = true;
            return;
        }
        // An arithmetic result that is known, whatever else the
        // instruction writes being read by nobody.
        int result = resultRegister(op, line.operand.mode);
        if (result < 0 || effects.sideEffect || !immediateOf(program, terms, after.loc[result], select, address))
            return;
        LocSet others = effects.writes & ~(bit(result) | bit(LOC_Z) | bit(LOC_N));
        if (others & context.liveness.after[index])
            return;
        Op load = result == LOC_A ? OP_LDA : result == LOC_X ? OP_LDX : OP_LDY;
        replaceLine(region, index, makeInstruction(program, load, MODE_IMMEDIATE, select, address));
        changed = true;
    });
    return changed;
}

bool passCopies(Context& context)
{
    Program& program = context.program;
    Region& region = context.region;
    bool changed = false;
    forEachInstruction(context, [&](int index, const Effects& effects, const State& before, const State&) {
        const Line& line = region.lines[index];
        if (!effects.readsTarget || effects.writesTarget || effects.target.kind != TARGET_BLOCK ||
            line.operand.mode != MODE_DIRECT)
            return;
        int byte = effects.target.byte;
        if (context.liveness.after[index] & bit(LOC_BLOCK + byte))
            return;
        TermId value = before.loc[LOC_BLOCK + byte];
        const Address* source = nullptr;
        AddressMode mode = MODE_DIRECT_X;
        for (const FrameSlot& slot : before.frame)
            if (slot.value == value && slot.index == before.loc[LOC_X] && canWrite(line.op, MODE_DIRECT_X, false))
                source = &slot.address;
        // Or another block byte that holds the same value (the helper's
        // BX, copied into CX only to be read once more).
        Address other;
        for (int k = 0; !source && k < BLOCK_SIZE; k++) {
            if (k == byte || before.loc[LOC_BLOCK + k] != value)
                continue;
            other = blockAddress(program, k);
            source = &other;
            mode = MODE_DIRECT;
        }
        if (!source)
            return;
        replaceLine(region, index, makeInstruction(program, line.op, mode, SELECT_WHOLE, *source));
        changed = true;
    });
    return changed;
}
