// Branch conditions.
//   conditions  A branch whose flag the known values fix always goes or
//               never does (JMP, or nothing). A branch tests, among the
//               flags that hold its condition, the one set longest ago, so
//               that what was computed after it only for the branch becomes
//               dead: the compiler's $FF/0 result (STA BL / SBC BL / BNE)
//               is tested in the carry it came from (BCC). When the flag is
//               held before a run of instructions whose only use is that
//               flag (ASL A / BCC after BVS / EOR), the run goes and the
//               branch tests the earlier flag (BPL).
//   compare     SEC / SBC whose difference and overflow nobody reads is CMP.
#include "opt.h"

namespace {

Op branchFor(int flag, bool whenSet)
{
    switch (flag) {
    case LOC_C: return whenSet ? OP_BCS : OP_BCC;
    case LOC_Z: return whenSet ? OP_BEQ : OP_BNE;
    case LOC_N: return whenSet ? OP_BMI : OP_BPL;
    default: return whenSet ? OP_BVS : OP_BVC;
    }
}

const int FLAGS[] = {LOC_C, LOC_Z, LOC_N, LOC_V};

// A flag of state that holds the condition (the branch goes when it is
// `whenSet`): sets which and whenSet; -1 when none but the tested one.
int holdingFlag(TermTable& terms, const State& state, TermId condition, bool& whenSet, int exclude)
{
    TermId negated = notTerm(terms, condition);
    int best = -1;
    for (int flag : FLAGS) {
        if (flag == exclude)
            continue;
        TermId term = state.loc[flag];
        if (term != condition && term != negated)
            continue;
        if (best < 0 || state.flagAge[flag] < state.flagAge[best]) {
            best = flag;
            whenSet = term == condition;
        }
    }
    return best;
}

Line branchLine(Program& program, Op op, const Line& old)
{
    return makeInstruction(program, op, MODE_DIRECT, SELECT_WHOLE, old.address);
}

} // namespace

bool passConditions(Context& context)
{
    Program& program = context.program;
    Region& region = context.region;
    TermTable& terms = *context.values.terms;
    bool changed = false;
    for (int b : reachedBlocks(context)) {
        const Block& block = context.cfg.blocks[b];
        if (block.lines.empty())
            continue;
        int branchIndex = block.lines.back();
        const Line& branch = region.lines[branchIndex];
        if (!isConditionalBranch(branch.op))
            continue;
        std::vector<State> states = blockStates(program, region, context.values, context.cfg, b);
        size_t last = block.lines.size() - 1;
        const State& atBranch = states[last];
        int flag = branchFlag(branch.op);
        // The condition under which the branch goes.
        TermId condition = takenWhenSet(branch.op) ? atBranch.loc[flag] : notTerm(terms, atBranch.loc[flag]);
        int known = constValue(terms, condition);
        if (known == 1) {
            replaceLine(region, branchIndex, branchLine(program, OP_JMP, branch));
            changed = true;
            continue;
        }
        if (known == 0) {
            deleteLine(region, branchIndex);
            changed = true;
            continue;
        }
        bool whenSet = false;
        int other = holdingFlag(terms, atBranch, condition, whenSet, flag);
        if (other >= 0 && atBranch.flagAge[other] < atBranch.flagAge[flag]) {
            replaceLine(region, branchIndex, branchLine(program, branchFor(other, whenSet), branch));
            changed = true;
            continue;
        }
        // Back over instructions that only feed the tested flag.
        LocSet liveAfter = context.liveness.after[branchIndex];
        if (liveAfter & bit(flag))
            continue;
        for (size_t i = last; i-- > 0;) {
            const Line& line = region.lines[block.lines[i]];
            Effects effects = effectsOf(program, line, &context.values.resolved[block.lines[i]]);
            if (effects.sideEffect || effects.writesTarget || effects.mayWrite != effects.writes ||
                (effects.writes & liveAfter))
                break;
            other = holdingFlag(terms, states[i], condition, whenSet, -1);
            if (other < 0)
                continue;
            for (size_t j = i; j < last; j++)
                deleteLine(region, block.lines[j]);
            replaceLine(region, branchIndex, branchLine(program, branchFor(other, whenSet), branch));
            changed = true;
            break;
        }
    }
    return changed;
}

bool passCompare(Context& context)
{
    Region& region = context.region;
    TermTable& terms = *context.values.terms;
    bool changed = false;
    forEachInstruction(context, [&](int index, const Effects&, const State& before, const State&) {
        const Line& line = region.lines[index];
        LocSet live = context.liveness.after[index];
        if (line.op != OP_SBC || constValue(terms, before.loc[LOC_C]) != 1 || constValue(terms, before.loc[LOC_D]) != 0 ||
            (live & (bit(LOC_A) | bit(LOC_V))) || !canWrite(OP_CMP, line.operand.mode, line.address.zeroPage))
            return;
        Line compare = line;
        compare.op = OP_CMP;
        compare.source.operation = "CMP";
        compare.changed = true;
        compare.text = " CMP " + line.source.operand;
        compare.source.label.clear();
        replaceLine(region, index, compare);
        changed = true;
    });
    return changed;
}
