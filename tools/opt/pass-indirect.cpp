// Indirect to direct: LDA (BX),Y, STA (BX),Y and the like, where the known
// values tell both the pointer in BX and Y, become the direct access of that
// address: a variable (STA G+1), a block byte, or a frame byte through the
// frame register (STA $0101+NAME,X) when the pointer is the frame address
// the code formed from X and X still holds it.
#include "opt.h"

bool passIndirect(Context& context)
{
    Program& program = context.program;
    Region& region = context.region;
    bool changed = false;
    forEachInstruction(context, [&](int index, const Effects&, const State& before, const State&) {
        const Line& line = region.lines[index];
        if (line.operand.mode != MODE_INDIRECT_Y)
            return;
        SymExpr expr;
        Target target = resolveIndirect(program, context.values, line, before, &expr);
        AddressMode mode = target.kind == TARGET_FRAME ? MODE_DIRECT_X : MODE_DIRECT;
        Address address = addressOf(program, expr);
        bool known = target.kind == TARGET_FRAME || target.kind == TARGET_BLOCK || target.kind == TARGET_MEMORY;
        if (known && canWrite(line.op, mode, address.zeroPage)) {
            replaceLine(region, index, makeInstruction(program, line.op, mode, SELECT_WHOLE, address));
            changed = true;
        }
    });
    return changed;
}
