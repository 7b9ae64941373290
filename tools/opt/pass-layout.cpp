// Layout and increments.
//   layout      A JMP to code that nothing falls into moves that code (up to
//               where it stops falling through) to the JMP's place, and the
//               JMP goes: the compiler's for loop, which jumps from its test
//               to its body and from its body to its increment, becomes one
//               run of code.
//   increments  LDA M / ADC #1 (carry clear) / STA M, and the same with the
//               high byte after it, become INC M (BNE over INC M+1); with
//               #$FF or SBC #1 they become DEC. Only for block and frame
//               bytes, whose double write INC makes nobody sees, and only
//               when nothing reads A or the flags the instructions leave.
#include "opt.h"

namespace {

bool fallsThrough(const Cfg& cfg, int b) { return cfg.blocks[b].fallthrough >= 0; }

// The region lines of blocks first..last, with the comments among them; -1
// when other lines (data, equates) lie there.
bool chainLines(const Context& context, int first, int last, int& from, int& to)
{
    const Cfg& cfg = context.cfg;
    const Block& start = cfg.blocks[first];
    const Block& end = cfg.blocks[last];
    if (end.lines.empty())
        return false;
    from = start.labels.empty() ? start.lines.front() : start.labels.front();
    to = end.lines.back();
    for (int i = from; i <= to; i++) {
        LineKind kind = context.region.lines[i].source.kind;
        if (kind != LINE_INSTRUCTION && kind != LINE_LABEL && kind != LINE_COMMENT && kind != LINE_BLANK)
            return false;
    }
    return true;
}

} // namespace

bool passLayout(Context& context)
{
    Region& region = context.region;
    Cfg& cfg = context.cfg;
    int count = static_cast<int>(cfg.blocks.size());
    std::vector<bool> moved(count, false);
    bool changed = false;
    // Moves the chain of blocks from `target` to the place after block a.
    auto moveChain = [&](int a, int target, bool dropJump) {
        if (target <= 0 || target == a || moved[target] || fallsThrough(cfg, target - 1))
            return false;
        int last = target;
        while (last < count && fallsThrough(cfg, last))
            last++;
        if (last >= count || (a >= target && a <= last))
            return false;
        for (int b = target; b <= last; b++)
            if (moved[b])
                return false;
        int from, to;
        if (!chainLines(context, target, last, from, to))
            return false;
        int at = cfg.blocks[a].lines.back();
        for (int i = from; i <= to; i++) {
            insertAfter(region, at, region.lines[i]);
            deleteLine(region, i);
        }
        if (dropJump)
            deleteLine(region, at);
        for (int b = target; b <= last; b++)
            moved[b] = true;
        moved[a] = true;
        return true;
    };
    for (int a = 0; a < count; a++) {
        const Block& block = cfg.blocks[a];
        if (moved[a] || block.lines.empty() || region.lines[block.lines.back()].op != OP_JMP)
            continue;
        // Bcc X / JMP Y: X comes next, so that the branch can turn (B!cc Y)
        // and the code it goes to most often falls through.
        if (block.lines.size() == 1 && block.labels.empty() && a > 0 && !moved[a - 1]) {
            const Block& before = cfg.blocks[a - 1];
            if (!before.lines.empty() && isConditionalBranch(region.lines[before.lines.back()].op) &&
                before.fallthrough == a && moveChain(a, before.branchTarget, false)) {
                moved[a - 1] = true;
                changed = true;
                continue;
            }
        }
        if (moveChain(a, block.branchTarget, true))
            changed = true;
    }
    return changed;
}

namespace {

bool isFrameOrBlock(const Effects& effects)
{
    return effects.target.kind == TARGET_FRAME || effects.target.kind == TARGET_BLOCK;
}

// The same operand a given number of bytes further on.
bool nextByte(const Line& low, const Line& high)
{
    return low.operand.mode == high.operand.mode && low.address.valid && high.address.valid &&
           low.address.name == high.address.name && ((low.address.offset + 1) & 0xFFFF) == high.address.offset;
}

} // namespace

bool passIncrements(Context& context)
{
    Program& program = context.program;
    Region& region = context.region;
    TermTable& terms = *context.values.terms;
    bool changed = false;
    for (int b : reachedBlocks(context)) {
        const Block& block = context.cfg.blocks[b];
        std::vector<State> states = blockStates(program, region, context.values, context.cfg, b);
        const std::vector<int>& lines = block.lines;
        for (size_t i = 0; i + 2 < lines.size(); i++) {
            // LDA M, then perhaps CLC or SEC, then the add, then STA M.
            size_t k = i + 1;
            Op between = region.lines[lines[k]].op;
            if (between == OP_CLC || between == OP_SEC)
                k++;
            if (k + 1 >= lines.size())
                continue;
            const Line& load = region.lines[lines[i]];
            const Line& add = region.lines[lines[k]];
            const Line& store = region.lines[lines[k + 1]];
            if (load.op != OP_LDA || store.op != OP_STA || load.operand.mode != store.operand.mode ||
                !load.address.valid || load.address.name != store.address.name ||
                load.address.offset != store.address.offset || add.operand.mode != MODE_IMMEDIATE)
                continue;
            Effects effects = effectsOf(program, load, nullptr);
            TermId operand = immediateTerm(terms, add);
            int amount = operand ? constValue(terms, operand) : -1;
            int carry = constValue(terms, states[k].loc[LOC_C]);
            bool up = (add.op == OP_ADC && amount == 1 && carry == 0) || (add.op == OP_SBC && amount == 0xFF && carry == 1);
            bool down = (add.op == OP_ADC && amount == 0xFF && carry == 0) || (add.op == OP_SBC && amount == 1 && carry == 1);
            if (!isFrameOrBlock(effects) || (!up && !down) || !canWrite(OP_INC, load.operand.mode, load.address.zeroPage))
                continue;
            // A 16-bit step goes on into the next byte: LDA M+1 / ADC #0 (#$FF) / STA M+1.
            bool wide = false;
            if (k + 4 < lines.size()) {
                const Line& load2 = region.lines[lines[k + 2]];
                const Line& add2 = region.lines[lines[k + 3]];
                const Line& store2 = region.lines[lines[k + 4]];
                TermId operand2 = immediateTerm(terms, add2);
                int amount2 = operand2 ? constValue(terms, operand2) : -1;
                int expect = up == (add.op == OP_ADC) ? 0 : 0xFF;
                wide = load2.op == OP_LDA && add2.op == add.op && store2.op == OP_STA && add2.operand.mode == MODE_IMMEDIATE &&
                       amount2 == expect && nextByte(load, load2) && nextByte(store, store2) &&
                       load2.operand.mode == load.operand.mode;
            }
            size_t end = k + (wide ? 4 : 1);
            LocSet live = context.liveness.after[lines[end]];
            LocSet mustBeDead = bit(LOC_A) | bit(LOC_C) | bit(LOC_V) | (wide ? bit(LOC_Z) | bit(LOC_N) : 0);
            if (live & mustBeDead)
                continue;
            if (states[i].loc[LOC_X] != states[end].loc[LOC_X])
                continue;
            // The instructions replaced, in order (the CLC or SEC goes too).
            std::vector<int> old(lines.begin() + static_cast<long>(i), lines.begin() + static_cast<long>(end) + 1);
            Op step = up ? OP_INC : OP_DEC;
            Line low = makeInstruction(program, step, load.operand.mode, SELECT_WHOLE, load.address);
            std::vector<Line> replacement;
            if (!wide) {
                replacement = {low};
            } else {
                Address highAddress = offsetAddress(load.address, 1);
                Line high = makeInstruction(program, step, load.operand.mode, SELECT_WHOLE, highAddress);
                std::string skip = newLabelName(program);
                Line branch = makeInstruction(program, OP_BNE, MODE_DIRECT, SELECT_WHOLE, labelAddress(skip));
                if (up) {
                    // INC M / BNE skip / INC M+1 / skip:
                    replacement = {low, branch, high, makeLabel(skip)};
                } else {
                    // LDA M / BNE skip / DEC M+1 / skip: DEC M
                    Line test = makeInstruction(program, OP_LDA, load.operand.mode, SELECT_WHOLE, load.address);
                    replacement = {test, branch, high, makeLabel(skip), low};
                }
            }
            for (const Line& line : replacement)
                insertBefore(region, old.front(), line);
            for (int index : old)
                deleteLine(region, index);
            i = end;
            changed = true;
        }
    }
    return changed;
}
