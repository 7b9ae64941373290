// Jump threading: a block that ends in a conditional branch, on an edge
// into it where the known values decide the branch and everything else the
// block computes is dead where the branch goes, is bypassed on that edge:
// the edge goes straight to the branch's destination. This turns the
// compiler's equality results ($FF or 0 built with BEQ / LDA #$FF, then
// tested) into direct branches.
#include "opt.h"

namespace {

} // namespace

bool passThreading(Context& context)
{
    Program& program = context.program;
    Region& region = context.region;
    Cfg& cfg = context.cfg;
    TermTable& terms = *context.values.terms;
    bool changed = false;
    std::vector<bool> redirected(cfg.blocks.size(), false);
    std::vector<std::string> made(cfg.blocks.size());
    for (int b : reachedBlocks(context)) {
        const Block& block = cfg.blocks[b];
        if (block.lines.empty() || block.entry)
            continue;
        const Line& branch = region.lines[block.lines.back()];
        if (!isConditionalBranch(branch.op) || block.branchTarget < 0 || block.fallthrough < 0 ||
            block.branchTarget == block.fallthrough)
            continue;
        // What the block writes before its branch must not matter.
        LocSet writes = 0;
        bool pure = true;
        for (size_t i = 0; i + 1 < block.lines.size(); i++) {
            Effects effects = effectsOf(program, region.lines[block.lines[i]], &context.values.resolved[block.lines[i]]);
            pure = pure && !effects.sideEffect && !effects.writesTarget && effects.mayWrite == effects.writes;
            writes |= effects.writes;
        }
        if (!pure)
            continue;
        for (int p : block.predecessors) {
            const Block& pred = cfg.blocks[p];
            if (redirected[p] || !context.values.entry[p].reached || pred.branchTarget == pred.fallthrough ||
                (pred.lines.empty() && pred.labels.empty()))
                continue;
            std::vector<State> predStates = blockStates(program, region, context.values, cfg, p);
            State state = edgeState(program, region, context.values, cfg, p, b, predStates.back());
            if (!state.reached)
                continue;
            for (size_t i = 0; i + 1 < block.lines.size(); i++)
                stepValues(program, region, context.values, block.lines[i], state);
            int value = constValue(terms, state.loc[branchFlag(branch.op)]);
            if (value < 0)
                continue;
            int target = (value == 1) == takenWhenSet(branch.op) ? block.branchTarget : block.fallthrough;
            if (target == b || (writes & context.liveness.liveIn[target]))
                continue;
            Address destination = labelAddress(blockLabel(context, target, made));
            if (pred.branchTarget == b) {
                const Line& jump = region.lines[pred.lines.back()];
                replaceLine(region, pred.lines.back(),
                            makeInstruction(program, jump.op, MODE_DIRECT, SELECT_WHOLE, destination));
            } else {
                int after = pred.lines.empty() ? pred.labels.back() : pred.lines.back();
                insertAfter(region, after, makeInstruction(program, OP_JMP, MODE_DIRECT, SELECT_WHOLE, destination));
            }
            redirected[p] = true;
            changed = true;
        }
    }
    return changed;
}
