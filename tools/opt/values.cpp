// Known values: a forward analysis that gives every register, flag, block
// byte and known frame byte a term at each point of a region. Where the
// paths into a block disagree, the block starts with a term of its own for
// that location (a value known by name only); a branch tells the flag it
// tests on each of its edges. Decimal mode is taken to be off unless the
// region sets it: no code the program calls leaves it on.
#include <algorithm>

#include "opt.h"

namespace {

constexpr uint64_t KEY_ENTRY = 1ull << 60;   // (block, location) at a block's start
constexpr uint64_t KEY_RESULT = 2ull << 60;  // (line, slot) made by an instruction
// Slots of an instruction's results.
constexpr int SLOT_RESULT = 1, SLOT_CARRY = 2, SLOT_OVERFLOW = 3, SLOT_ZERO = 4, SLOT_NEGATIVE = 5,
              SLOT_OPERAND = 6, SLOT_BLOCK = 16;  // SLOT_BLOCK + k: block byte k, SLOT_BLOCK + 32 + k: location k

bool sameState(const State& a, const State& b)
{
    if (a.reached != b.reached)
        return false;
    for (int k = 0; k < LOC_COUNT; k++)
        if (a.loc[k] != b.loc[k])
            return false;
    if (a.frame.size() != b.frame.size())
        return false;
    for (size_t i = 0; i < a.frame.size(); i++)
        if (a.frame[i].base != b.frame[i].base || a.frame[i].index != b.frame[i].index ||
            a.frame[i].value != b.frame[i].value)
            return false;
    return true;
}

// The term a block starts with in a location where its paths disagree.
TermId entryTerm(TermTable& terms, int block, int location)
{
    uint64_t key = KEY_ENTRY | (uint64_t(block) << 8) | location;
    return location >= LOC_C && location <= LOC_I ? opaqueFlag(terms, key) : opaqueTerm(terms, key);
}

// The state a block starts with when code outside the region may enter it.
State unknownState(TermTable& terms, int block)
{
    State state;
    state.reached = true;
    for (int k = 0; k < LOC_COUNT; k++)
        state.loc[k] = entryTerm(terms, block, k);
    state.loc[LOC_D] = flagConst(terms, false);
    for (int k = 0; k < LOC_COUNT; k++)
        state.flagAge[k] = -1;
    return state;
}

// A flag location that holds "Z reflects register r" in every incoming
// state keeps that relation at the merge.
TermId mergeFlag(TermTable& terms, const std::vector<const State*>& in, int flag, const State& merged, TermId entry)
{
    for (int reg : {LOC_A, LOC_X, LOC_Y}) {
        bool all = true;
        for (const State* state : in) {
            TermId expect = flag == LOC_Z ? equalTerm(terms, state->loc[reg], constTerm(terms, 0))
                                          : bit7Term(terms, state->loc[reg]);
            all = all && state->loc[flag] == expect;
        }
        if (all)
            return flag == LOC_Z ? equalTerm(terms, merged.loc[reg], constTerm(terms, 0))
                                 : bit7Term(terms, merged.loc[reg]);
    }
    return entry;
}

State meet(TermTable& terms, const std::vector<const State*>& in, int block)
{
    if (in.empty())
        return unknownState(terms, block);
    State merged;
    merged.reached = true;
    for (int k = 0; k < LOC_COUNT; k++) {
        TermId value = in[0]->loc[k];
        int age = in[0]->flagAge[k];
        for (const State* state : in) {
            if (state->loc[k] != value)
                value = 0;
            age = std::max(age, state->flagAge[k]);
        }
        merged.loc[k] = value ? value : entryTerm(terms, block, k);
        merged.flagAge[k] = value ? age : -1;
    }
    for (int flag : {LOC_Z, LOC_N})
        if (merged.loc[flag] == entryTerm(terms, block, flag))
            merged.loc[flag] = mergeFlag(terms, in, flag, merged, merged.loc[flag]);
    for (const FrameSlot& slot : in[0]->frame) {
        bool all = true;
        for (const State* state : in)
            all = all && frameValue(*state, slot.base, slot.index) == slot.value;
        if (all)
            merged.frame.push_back(slot);
    }
    return merged;
}

void setFrame(State& state, int64_t base, TermId index, TermId value, const Address& address)
{
    // A byte reached through another index may be any byte of the frame.
    std::vector<FrameSlot> kept;
    for (const FrameSlot& slot : state.frame)
        if (slot.index == index && slot.base != base)
            kept.push_back(slot);
    kept.push_back(FrameSlot{base, index, value, address});
    std::sort(kept.begin(), kept.end(),
              [](const FrameSlot& x, const FrameSlot& y) { return x.base != y.base ? x.base < y.base : x.index < y.index; });
    state.frame = std::move(kept);
}

struct Step {
    const Program& program;
    Values& values;
    TermTable& terms;
    const Line& line;
    int index;
    State& state;
    Target target;
    Address frameAddress;  // how an operand names the frame byte of target

    TermId opaque(int slot) { return opaqueTerm(terms, KEY_RESULT | (uint64_t(index) << 8) | slot); }
    TermId flag(int slot) { return opaqueFlag(terms, KEY_RESULT | (uint64_t(index) << 8) | slot); }
    TermId zero() { return constTerm(terms, 0); }

    void set(int location, TermId value)
    {
        state.loc[location] = value;
        if (location >= LOC_C && location <= LOC_I)
            state.flagAge[location] = index;
    }
    void setNZ(TermId value)
    {
        set(LOC_Z, equalTerm(terms, value, zero()));
        set(LOC_N, bit7Term(terms, value));
    }

    TermId readOperand()
    {
        switch (target.kind) {
        case TARGET_IMMEDIATE: {
            TermId value = immediateTerm(terms, line);
            return value ? value : opaque(SLOT_OPERAND);
        }
        case TARGET_BLOCK:
            return state.loc[LOC_BLOCK + target.byte];
        case TARGET_FRAME: {
            TermId index = state.loc[LOC_X];
            TermId value = frameValue(state, target.base, index);
            if (!value) {
                value = opaque(SLOT_OPERAND);
                setFrame(state, target.base, index, value, frameAddress);
            }
            return value;
        }
        default:
            return opaque(SLOT_OPERAND);
        }
    }

    void writeOperand(TermId value)
    {
        switch (target.kind) {
        case TARGET_BLOCK:
            state.loc[LOC_BLOCK + target.byte] = value;
            break;
        case TARGET_FRAME:
            setFrame(state, target.base, state.loc[LOC_X], value, frameAddress);
            break;
        case TARGET_UNKNOWN:
            clobberBlock();
            state.frame.clear();
            break;
        case TARGET_POINTER:
            state.frame.clear();
            break;
        default:
            break;
        }
    }

    void clobberBlock()
    {
        for (int k = 0; k < BLOCK_SIZE; k++)
            state.loc[LOC_BLOCK + k] = opaque(SLOT_BLOCK + k);
    }

    void clobber(LocSet locations)
    {
        for (int k = 0; k < LOC_COUNT; k++)
            if (locations & bit(k))
                set(k, k >= LOC_C && k <= LOC_I ? flag(SLOT_BLOCK + BLOCK_SIZE + k) : opaque(SLOT_BLOCK + BLOCK_SIZE + k));
    }

    bool decimal() { return constValue(terms, state.loc[LOC_D]) != 0; }

    // A + M + C, and A - M - not C, with the address sums the compiler forms.
    void addition(bool subtract)
    {
        TermId a = state.loc[LOC_A], m = readOperand(), c = state.loc[LOC_C];
        int av = constValue(terms, a), mv = constValue(terms, m), cv = constValue(terms, c);
        TermId result = 0, carry = 0, overflow = 0;
        if (decimal()) {
            // Decimal arithmetic is not followed.
        } else if (av >= 0 && mv >= 0 && cv >= 0) {
            int operand = subtract ? mv ^ 0xFF : mv;
            int sum = av + operand + cv;
            result = constTerm(terms, sum & 0xFF);
            carry = flagConst(terms, sum > 0xFF);
            overflow = flagConst(terms, ((av ^ sum) & (operand ^ sum) & 0x80) != 0);
        } else if (mv == 0 && cv == (subtract ? 1 : 0)) {
            result = a;
            carry = c;
            overflow = flagConst(terms, false);
        } else if (subtract && a == m) {
            // A - A - borrow: 0 or $FF, the carry unchanged.
            result = maskTerm(terms, c);
            carry = c;
            overflow = flagConst(terms, false);
        } else if (!subtract && cv == 0) {
            lowSum(a, m, result, carry);
        } else if (!subtract) {
            highSum(a, m, c, result);
        }
        set(LOC_A, result ? result : opaque(SLOT_RESULT));
        set(LOC_C, carry ? carry : flag(SLOT_CARRY));
        set(LOC_V, overflow ? overflow : flag(SLOT_OVERFLOW));
        setNZ(state.loc[LOC_A]);
    }

    // The low byte of an address plus a byte: lo(E) + v.
    void lowSum(TermId a, TermId m, TermId& result, TermId& carry)
    {
        for (int turn = 0; turn < 2; turn++, std::swap(a, m)) {
            const TermData& term = termOf(terms, m);
            if (term.kind != T_LOW || exprOf(terms, term.a).index != 0)
                continue;
            SymExpr sum = exprOf(terms, term.a);
            sum.index = a;
            carry = carryTerm(terms, sum);
            int indexValue = constValue(terms, a);
            if (indexValue >= 0) {
                sum.offset += indexValue;
                sum.index = 0;
            }
            result = lowTerm(terms, sum);
            return;
        }
    }

    // The high byte of that sum: hi(E) + 0 + carry.
    void highSum(TermId a, TermId m, TermId c, TermId& result)
    {
        const TermData& carry = termOf(terms, c);
        if (carry.kind != F_CARRY)
            return;
        SymExpr base = exprOf(terms, carry.a);
        for (int turn = 0; turn < 2; turn++, std::swap(a, m)) {
            const TermData& high = termOf(terms, m);
            if (constValue(terms, a) != 0 || high.kind != T_HIGH || high.a != carry.a)
                continue;
            TermId indexTerm = static_cast<TermId>(carry.b);
            int indexValue = constValue(terms, indexTerm);
            if (indexValue >= 0)
                base.offset += indexValue;
            else
                base.index = indexTerm;
            result = highTerm(terms, base);
            return;
        }
    }

    void logic()
    {
        TermId a = state.loc[LOC_A], m = readOperand();
        int av = constValue(terms, a), mv = constValue(terms, m);
        TermId result = 0;
        Op op = line.op;
        if (av >= 0 && mv >= 0) {
            result = constTerm(terms, op == OP_AND ? av & mv : op == OP_ORA ? av | mv : av ^ mv);
        } else if (a == m) {
            result = op == OP_EOR ? zero() : a;
        } else {
            if (av >= 0)
                std::swap(a, m), std::swap(av, mv);
            if ((op == OP_AND && mv == 0xFF) || (op != OP_AND && mv == 0))
                result = a;
            else if (op == OP_AND && mv == 0)
                result = zero();
            else if (op == OP_ORA && mv == 0xFF)
                result = constTerm(terms, 0xFF);
            else if (op == OP_EOR && mv == 0xFF && termOf(terms, a).kind == T_MASK)
                result = maskTerm(terms, notTerm(terms, static_cast<TermId>(termOf(terms, a).a)));
        }
        set(LOC_A, result ? result : opaque(SLOT_RESULT));
        setNZ(state.loc[LOC_A]);
    }

    // ASL, LSR, ROL, ROR of a value; returns the result.
    TermId shift(TermId value)
    {
        int v = constValue(terms, value), c = constValue(terms, state.loc[LOC_C]);
        Op op = line.op;
        TermId result = 0, carry = 0;
        bool left = op == OP_ASL || op == OP_ROL;
        bool rotate = op == OP_ROL || op == OP_ROR;
        if (v >= 0 && (!rotate || c >= 0)) {
            int in = rotate ? c : 0;
            result = constTerm(terms, left ? (v << 1) | in : (v >> 1) | (in << 7));
            carry = flagConst(terms, left ? (v & 0x80) != 0 : (v & 1) != 0);
        } else if (left) {
            carry = bit7Term(terms, value);
        }
        set(LOC_C, carry ? carry : flag(SLOT_CARRY));
        TermId out = result ? result : opaque(SLOT_RESULT);
        setNZ(out);
        return out;
    }

    TermId increment(TermId value, int delta)
    {
        int v = constValue(terms, value);
        TermId out = v >= 0 ? constTerm(terms, v + delta) : opaque(SLOT_RESULT);
        setNZ(out);
        return out;
    }

    void compare(int reg)
    {
        TermId r = state.loc[reg], m = readOperand();
        int rv = constValue(terms, r), mv = constValue(terms, m);
        set(LOC_C, atLeastTerm(terms, r, m));
        set(LOC_Z, equalTerm(terms, r, m));
        if (rv >= 0 && mv >= 0)
            set(LOC_N, flagConst(terms, ((rv - mv) & 0x80) != 0));
        else if (mv == 0)
            set(LOC_N, bit7Term(terms, r));
        else
            set(LOC_N, flag(SLOT_NEGATIVE));
    }

    void transfer(int from, int to)
    {
        set(to, state.loc[from]);
        if (to != LOC_S)
            setNZ(state.loc[from]);
    }

    void run();
};

void Step::run()
{
    Op op = line.op;
    switch (op) {
    case OP_ADC: addition(false); break;
    case OP_SBC: addition(true); break;
    case OP_AND:
    case OP_ORA:
    case OP_EOR: logic(); break;
    case OP_ASL:
    case OP_LSR:
    case OP_ROL:
    case OP_ROR:
        if (line.operand.mode == MODE_ACCUMULATOR || line.operand.mode == MODE_IMPLIED) {
            state.loc[LOC_A] = shift(state.loc[LOC_A]);
        } else {
            TermId value = readOperand();
            writeOperand(shift(value));
        }
        break;
    case OP_BIT: {
        TermId a = state.loc[LOC_A], m = readOperand();
        int av = constValue(terms, a), mv = constValue(terms, m);
        set(LOC_Z, av >= 0 && mv >= 0 ? flagConst(terms, (av & mv) == 0) : flag(SLOT_ZERO));
        set(LOC_N, bit7Term(terms, m));
        set(LOC_V, mv >= 0 ? flagConst(terms, (mv & 0x40) != 0) : flag(SLOT_OVERFLOW));
        break;
    }
    case OP_CMP: compare(LOC_A); break;
    case OP_CPX: compare(LOC_X); break;
    case OP_CPY: compare(LOC_Y); break;
    case OP_DEC: writeOperand(increment(readOperand(), -1)); break;
    case OP_INC: writeOperand(increment(readOperand(), 1)); break;
    case OP_DEX: set(LOC_X, increment(state.loc[LOC_X], -1)); break;
    case OP_DEY: set(LOC_Y, increment(state.loc[LOC_Y], -1)); break;
    case OP_INX: set(LOC_X, increment(state.loc[LOC_X], 1)); break;
    case OP_INY: set(LOC_Y, increment(state.loc[LOC_Y], 1)); break;
    case OP_LDA:
    case OP_LDX:
    case OP_LDY: {
        TermId value = readOperand();
        set(op == OP_LDA ? LOC_A : op == OP_LDX ? LOC_X : LOC_Y, value);
        setNZ(value);
        break;
    }
    case OP_STA: writeOperand(state.loc[LOC_A]); break;
    case OP_STX: writeOperand(state.loc[LOC_X]); break;
    case OP_STY: writeOperand(state.loc[LOC_Y]); break;
    case OP_TAX: transfer(LOC_A, LOC_X); break;
    case OP_TAY: transfer(LOC_A, LOC_Y); break;
    case OP_TXA: transfer(LOC_X, LOC_A); break;
    case OP_TYA: transfer(LOC_Y, LOC_A); break;
    case OP_TSX: transfer(LOC_S, LOC_X); break;
    case OP_TXS: transfer(LOC_X, LOC_S); break;
    case OP_PHA:
    case OP_PHP: set(LOC_S, opaque(SLOT_RESULT)); break;
    case OP_PLA:
        set(LOC_S, opaque(SLOT_RESULT));
        set(LOC_A, opaque(SLOT_OPERAND));
        setNZ(state.loc[LOC_A]);
        break;
    case OP_PLP:
        set(LOC_S, opaque(SLOT_RESULT));
        clobber(ALL_FLAGS | bit(LOC_D) | bit(LOC_I));
        break;
    case OP_CLC: set(LOC_C, flagConst(terms, false)); break;
    case OP_SEC: set(LOC_C, flagConst(terms, true)); break;
    case OP_CLV: set(LOC_V, flagConst(terms, false)); break;
    case OP_CLD: set(LOC_D, flagConst(terms, false)); break;
    case OP_SED: set(LOC_D, flagConst(terms, true)); break;
    case OP_CLI: set(LOC_I, flagConst(terms, false)); break;
    case OP_SEI: set(LOC_I, flagConst(terms, true)); break;
    case OP_JSR: {
        Effects effects = effectsOf(program, line, nullptr);
        if (effects.unknownCall) {
            clobber(ALL_LOCATIONS & ~bit(LOC_D));
            state.frame.clear();
        } else {
            clobber(effects.writes);
        }
        break;
    }
    case OP_BRK:
    case OP_RTI:
        clobber(ALL_LOCATIONS & ~bit(LOC_D));
        state.frame.clear();
        break;
    default:
        break;
    }
}

// The byte term of a pointer's two bytes: the expression it holds, if known.
bool pointerExpression(TermTable& terms, TermId low, TermId high, SymExpr& expr)
{
    const TermData& lowTerm = termOf(terms, low);
    const TermData& highTerm = termOf(terms, high);
    if (lowTerm.kind == T_LOW && highTerm.kind == T_HIGH && lowTerm.a == highTerm.a) {
        expr = exprOf(terms, lowTerm.a);
        return true;
    }
    int lowValue = constValue(terms, low), highValue = constValue(terms, high);
    if (lowTerm.kind == T_CONST && highTerm.kind == T_CONST) {
        expr = SymExpr{};
        expr.offset = lowValue | (highValue << 8);
        return true;
    }
    return false;
}

// A line that reads the address through X, to ask whether it is a frame byte.
Line frameOperand(const Address& address)
{
    Line line;
    line.operand.mode = MODE_DIRECT_X;
    line.address = address;
    return line;
}

} // namespace

TermId frameValue(const State& state, int64_t base, TermId index)
{
    for (const FrameSlot& slot : state.frame)
        if (slot.base == base && slot.index == index)
            return slot.value;
    return 0;
}

Target resolveIndirect(const Program& program, Values& values, const Line& line, const State& state, SymExpr* address)
{
    Target target;
    target.kind = TARGET_POINTER;
    TermTable& terms = *values.terms;
    int pointer = blockByte(program, line.address);
    int y = constValue(terms, state.loc[LOC_Y]);
    SymExpr expr;
    if (line.operand.mode != MODE_INDIRECT_Y || pointer < 0 || pointer + 1 >= BLOCK_SIZE || y < 0 ||
        !pointerExpression(terms, state.loc[LOC_BLOCK + pointer], state.loc[LOC_BLOCK + pointer + 1], expr))
        return target;
    expr.offset = (expr.offset + y) & 0xFFFF;
    int64_t value = expr.offset;
    if (!expr.name.empty()) {
        auto found = program.symbols.find(expr.name);
        if (found == program.symbols.end())
            return target;
        if (found->second.numeric)
            value = (found->second.value + expr.offset) & 0xFFFF;
        else if (expr.index == 0) {
            target.kind = TARGET_MEMORY;  // a variable or array of the program
            if (address)
                *address = expr;
            return target;
        } else {
            return target;
        }
    }
    if (expr.index != 0) {
        // The frame register plus an address in the stack page: a frame byte.
        Address frame = addressOf(program, expr);
        if (expr.index != state.loc[LOC_X] || targetOf(program, frameOperand(frame)).kind != TARGET_FRAME)
            return target;
        target.kind = TARGET_FRAME;
        target.base = value;
        target.indexed = true;
    } else {
        Address numeric;
        numeric.valid = numeric.numeric = true;
        numeric.value = value;
        int byte = blockByte(program, numeric);
        // A fixed address in the stack page may be a frame byte.
        bool stack = value >= 0x100 && value < 0x200;
        target.kind = byte >= 0 ? TARGET_BLOCK : stack ? TARGET_POINTER : TARGET_MEMORY;
        target.byte = byte;
    }
    if (address)
        *address = expr;
    return target;
}

void stepValues(const Program& program, const Region& region, Values& values, int index, State& state)
{
    const Line& line = region.lines[index];
    Target target = targetOf(program, line);
    Address frameAddress = line.address;
    if (line.operand.mode == MODE_INDIRECT_Y || line.operand.mode == MODE_INDIRECT_X) {
        SymExpr expr;
        target = resolveIndirect(program, values, line, state, &expr);
        values.resolved[index] = target;
        frameAddress = addressOf(program, expr);
    }
    Step step{program, values, *values.terms, line, index, state, target, frameAddress};
    step.run();
}

State edgeState(const Program& program, const Region& region, Values& values, const Cfg& cfg, int from, int to,
                const State& end)
{
    (void)program;
    State state = end;
    const Block& block = cfg.blocks[from];
    if (block.lines.empty())
        return state;
    const Line& last = region.lines[block.lines.back()];
    if (!isConditionalBranch(last.op) || block.branchTarget == block.fallthrough)
        return state;
    bool taken = to == block.branchTarget;
    TermTable& terms = *values.terms;
    bool value = taken == takenWhenSet(last.op);
    TermId flag = state.loc[branchFlag(last.op)];
    if (termOf(terms, flag).kind == F_NOT) {
        flag = static_cast<TermId>(termOf(terms, flag).a);
        value = !value;
    }
    int fixed = constValue(terms, flag);
    if (fixed >= 0) {
        // A branch whose flag is known: one of its edges is never taken.
        if (fixed != (value ? 1 : 0))
            state.reached = false;
        return state;
    }
    TermId known = flagConst(terms, value), knownNot = flagConst(terms, !value);
    TermId mask = maskTerm(terms, flag), maskNot = maskTerm(terms, notTerm(terms, flag));
    TermId equalFrom = 0, equalTo = 0;
    const TermData& test = termOf(terms, flag);
    if (value && test.kind == F_EQUAL) {
        // The equal edge of a comparison with a constant: the compared value is that constant.
        if (constValue(terms, static_cast<TermId>(test.b)) >= 0)
            equalFrom = static_cast<TermId>(test.a), equalTo = static_cast<TermId>(test.b);
        else if (constValue(terms, static_cast<TermId>(test.a)) >= 0)
            equalFrom = static_cast<TermId>(test.b), equalTo = static_cast<TermId>(test.a);
    }
    auto refine = [&](TermId& term) {
        if (term == flag)
            term = known;
        else if (term == notTerm(terms, flag))
            term = knownNot;
        else if (term == mask)
            term = constTerm(terms, value ? 0 : 0xFF);
        else if (term == maskNot)
            term = constTerm(terms, value ? 0xFF : 0);
        else if (equalFrom && term == equalFrom)
            term = equalTo;
    };
    for (int k = 0; k < LOC_COUNT; k++)
        refine(state.loc[k]);
    for (FrameSlot& slot : state.frame)
        refine(slot.value);
    return state;
}

Values analyzeValues(const Program& program, const Region& region, const Cfg& cfg)
{
    Values values;
    values.terms = newTermTable(program);
    TermTable& terms = *values.terms;
    size_t count = cfg.blocks.size();
    values.entry.assign(count, State{});
    values.resolved.assign(region.lines.size(), Target{});
    std::vector<State> exits(count);
    std::vector<bool> queued(count, false);
    std::vector<int> work;
    for (size_t b = 0; b < count; b++)
        if (cfg.blocks[b].entry) {
            work.push_back(static_cast<int>(b));
            queued[b] = true;
        }
    // Terms only ever grow coarser, so this ends; the bound guards it.
    size_t steps = 0, limit = 64 * (count + 1);
    while (!work.empty()) {
        int b = work.back();
        work.pop_back();
        queued[b] = false;
        const Block& block = cfg.blocks[b];
        State entry;
        if (block.entry || ++steps > limit) {
            entry = unknownState(terms, b);
        } else {
            std::vector<State> edges;
            for (int p : block.predecessors)
                if (exits[p].reached) {
                    edges.push_back(edgeState(program, region, values, cfg, p, b, exits[p]));
                    if (!edges.back().reached)
                        edges.pop_back();
                }
            std::vector<const State*> in;
            for (const State& edge : edges)
                in.push_back(&edge);
            if (in.empty())
                continue;
            entry = meet(terms, in, b);
        }
        if (exits[b].reached && sameState(entry, values.entry[b]))
            continue;
        values.entry[b] = entry;
        State state = entry;
        for (int index : block.lines)
            stepValues(program, region, values, index, state);
        exits[b] = state;
        for (int s : block.successors)
            if (!queued[s]) {
                queued[s] = true;
                work.push_back(s);
            }
    }
    // Once more in order, so that every indirect operand is resolved from
    // the final states.
    for (size_t b = 0; b < count; b++) {
        State state = values.entry[b];
        if (!state.reached)
            continue;
        for (int index : cfg.blocks[b].lines)
            stepValues(program, region, values, index, state);
    }
    return values;
}

std::vector<State> blockStates(const Program& program, const Region& region, Values& values, const Cfg& cfg, int block)
{
    std::vector<State> states;
    State state = values.entry[block];
    states.push_back(state);
    for (int index : cfg.blocks[block].lines) {
        stepValues(program, region, values, index, state);
        states.push_back(state);
    }
    return states;
}

void freeValues(Values& values)
{
    if (values.terms)
        deleteTermTable(values.terms);
    values.terms = nullptr;
}
