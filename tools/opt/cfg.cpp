// Basic blocks of one region: a block starts at a label or after a branch,
// JMP, RTS, RTI or BRK, and holds the instructions up to the next such point.
// Edges follow branches, jumps and fall-through; a jump to a label outside
// the region, an indirect jump or running off the region's end leaves to
// unknown code.
#include "opt.h"

namespace {

bool endsBlock(Op op)
{
    return isConditionalBranch(op) || op == OP_JMP || op == OP_RTS || op == OP_RTI || op == OP_BRK;
}

void addEdge(Cfg& cfg, int from, int to)
{
    cfg.blocks[from].successors.push_back(to);
    cfg.blocks[to].predecessors.push_back(from);
}

} // namespace

Cfg buildCfg(const Program& program, const Region& region)
{
    (void)program;
    Cfg cfg;
    const std::vector<Line>& lines = region.lines;
    cfg.blockOfLine.assign(lines.size(), -1);
    cfg.blocks.emplace_back();
    cfg.blocks[0].entry = true;
    bool open = true;  // the current block may still take instructions
    for (size_t index = 0; index < lines.size(); index++) {
        const Line& line = lines[index];
        int current = static_cast<int>(cfg.blocks.size()) - 1;
        if (line.deleted)
            continue;
        bool isLabel = !line.source.label.empty() && line.source.kind != LINE_EQUATE && line.source.kind != LINE_DATA;
        if (isLabel) {
            if (!cfg.blocks[current].lines.empty() || !open) {
                cfg.blocks.emplace_back();
                current++;
            }
            open = true;
            cfg.blocks[current].labels.push_back(static_cast<int>(index));
            cfg.blocks[current].entry = cfg.blocks[current].entry || line.entry;
            cfg.labelBlock[line.source.label] = current;
        }
        if (line.source.kind != LINE_INSTRUCTION)
            continue;
        if (!open) {
            cfg.blocks.emplace_back();
            current++;
            open = true;
        }
        cfg.blocks[current].lines.push_back(static_cast<int>(index));
        cfg.blockOfLine[index] = current;
        if (endsBlock(line.op))
            open = false;
    }
    int count = static_cast<int>(cfg.blocks.size());
    for (int b = 0; b < count; b++) {
        Block& block = cfg.blocks[b];
        int next = b + 1 < count ? b + 1 : -1;
        const Line* last = block.lines.empty() ? nullptr : &lines[block.lines.back()];
        Op op = last ? last->op : OP_NONE;
        if (op == OP_RTS) {
            block.returns = true;
            continue;
        }
        if (op == OP_RTI || op == OP_BRK || (op == OP_JMP && last->operand.mode == MODE_INDIRECT)) {
            block.exitsUnknown = true;
            continue;
        }
        if (op == OP_JMP || isConditionalBranch(op)) {
            auto found = last->address.valid && last->address.offset == 0 ? cfg.labelBlock.find(last->address.name)
                                                                          : cfg.labelBlock.end();
            if (found == cfg.labelBlock.end()) {
                block.exitsUnknown = true;
            } else {
                block.branchTarget = found->second;
                addEdge(cfg, b, found->second);
            }
            if (op == OP_JMP)
                continue;
        }
        if (next < 0) {
            block.exitsUnknown = true;
        } else {
            block.fallthrough = next;
            addEdge(cfg, b, next);
        }
    }
    return cfg;
}
