// Jumps:
//   jumps        a branch or JMP to a JMP goes straight to the JMP's target
//                (a branch only within the region, where its reach is
//                known); a branch to a branch of the same test goes to that
//                one's target; a conditional branch over a JMP becomes the
//                opposite branch to the JMP's target; a branch or JMP to the
//                next line goes
//   unreachable  instructions no path from an entry reaches
//   labels       numbered labels nothing names any more
#include <set>

#include "opt.h"

namespace {

// The block control reaches after block b when it does not jump.
int nextBlock(const Cfg& cfg, int b) { return b + 1 < static_cast<int>(cfg.blocks.size()) ? b + 1 : -1; }

const Line* lastLine(const Context& context, const Block& block)
{
    return block.lines.empty() ? nullptr : &context.region.lines[block.lines.back()];
}

} // namespace

bool passJumps(Context& context)
{
    Program& program = context.program;
    Region& region = context.region;
    Cfg& cfg = context.cfg;
    std::vector<std::string> made(cfg.blocks.size());
    std::vector<bool> touched(cfg.blocks.size(), false);
    bool changed = false;
    for (size_t b = 0; b < cfg.blocks.size(); b++) {
        const Block& block = cfg.blocks[b];
        const Line* jump = lastLine(context, block);
        if (!jump || touched[b] || (jump->op != OP_JMP && !isConditionalBranch(jump->op)) ||
            jump->operand.mode != MODE_DIRECT)
            continue;
        int jumpIndex = block.lines.back();
        int target = block.branchTarget;
        int next = nextBlock(cfg, static_cast<int>(b));
        // To the next line: nothing to do.
        if (target >= 0 && target == next) {
            deleteLine(region, jumpIndex);
            touched[b] = true;
            changed = true;
            continue;
        }
        if (target < 0)
            continue;
        const Block& destination = cfg.blocks[target];
        const Line* there = lastLine(context, destination);
        // To a lone JMP or a lone branch of the same test: go where it goes.
        if (there && destination.lines.size() == 1 && there->operand.mode == MODE_DIRECT && there != jump) {
            bool lone = there->op == OP_JMP && (jump->op == OP_JMP || destination.branchTarget >= 0);
            bool same = there->op == jump->op && destination.branchTarget >= 0;
            if ((lone || same) && destination.branchTarget != target) {
                replaceLine(region, jumpIndex,
                            makeInstruction(program, jump->op, MODE_DIRECT, SELECT_WHOLE, there->address));
                touched[b] = true;
                changed = true;
                continue;
            }
        }
        // Bcc L1 / JMP L2 / L1: becomes B!cc L2 / L1:.
        if (isConditionalBranch(jump->op) && next >= 0) {
            const Block& over = cfg.blocks[next];
            const Line* overJump = lastLine(context, over);
            if (overJump && over.lines.size() == 1 && over.labels.empty() && overJump->op == OP_JMP &&
                overJump->operand.mode == MODE_DIRECT && nextBlock(cfg, next) == target && !touched[next] &&
                (over.branchTarget >= 0 || over.exitsUnknown)) {
                replaceLine(region, jumpIndex,
                            makeInstruction(program, invertBranch(jump->op), MODE_DIRECT, SELECT_WHOLE,
                                            overJump->address));
                deleteLine(region, over.lines.back());
                touched[b] = touched[next] = true;
                changed = true;
            }
        }
    }
    return changed;
}

bool passUnreachable(Context& context)
{
    bool changed = false;
    for (size_t b = 0; b < context.cfg.blocks.size(); b++) {
        if (context.values.entry[b].reached)
            continue;
        for (int index : context.cfg.blocks[b].lines) {
            deleteLine(context.region, index);
            changed = true;
        }
    }
    return changed;
}

bool passLabels(Context& context)
{
    Region& region = context.region;
    std::set<std::string> named;
    for (const Line& line : region.lines)
        if (line.source.kind == LINE_INSTRUCTION && line.address.valid && !line.address.name.empty())
            named.insert(line.address.name);
    bool changed = false;
    for (size_t i = 0; i < region.lines.size(); i++) {
        const Line& line = region.lines[i];
        if (line.source.kind != LINE_LABEL || line.entry || line.source.label.empty() ||
            !isInternalLabel(line.source.label) || named.count(line.source.label))
            continue;
        deleteLine(region, static_cast<int>(i));
        changed = true;
    }
    return changed;
}
