// Branch reach: a conditional branch reaches 128 bytes back and 127 forward
// from the end of its two bytes. After the transformations every branch of
// a region is measured with the sizes of the lines between it and its
// target (an operand whose page the assembler may not know is taken to be
// absolute, so the measure is never short), and one that does not reach
// becomes the opposite branch over a JMP. A branch to a label outside the
// region always does.
#include <map>

#include "opt.h"

namespace {

constexpr int BRANCH_BACK = -128;
constexpr int BRANCH_FORWARD = 127;

} // namespace

void relaxBranches(Program& program, Region& region)
{
    if (!region.optimizable)
        return;
    for (bool changed = true; changed;) {
        changed = false;
        std::map<std::string, int> labels;
        std::vector<int> address(region.lines.size());
        int at = 0;
        for (size_t i = 0; i < region.lines.size(); i++) {
            const Line& line = region.lines[i];
            address[i] = at;
            if (!line.source.label.empty() && line.source.kind != LINE_EQUATE)
                labels[line.source.label] = at;
            at += lineSize(line);
        }
        for (size_t i = 0; i < region.lines.size(); i++) {
            const Line& line = region.lines[i];
            if (line.source.kind != LINE_INSTRUCTION || !isConditionalBranch(line.op))
                continue;
            auto found = line.address.valid && line.address.offset == 0 ? labels.find(line.address.name) : labels.end();
            if (found != labels.end()) {
                int distance = found->second - (address[i] + 2);
                if (distance >= BRANCH_BACK && distance <= BRANCH_FORWARD)
                    continue;
            }
            std::string over = newLabelName(program);
            Line skip = makeInstruction(program, invertBranch(line.op), MODE_DIRECT, SELECT_WHOLE, labelAddress(over));
            Line jump = makeInstruction(program, OP_JMP, MODE_DIRECT, SELECT_WHOLE, line.address);
            replaceLine(region, static_cast<int>(i), skip);
            insertAfter(region, static_cast<int>(i), jump);
            insertAfter(region, static_cast<int>(i), makeLabel(over));
            changed = true;
        }
        commitEdits(region);
    }
}
