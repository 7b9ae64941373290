// Store motion: the compiler computes a value, saves it in a block byte,
// and later loads it back to store it where it belongs:
//     ADC #>1 / STA CL / ... / LDA CL / STA $0100+I,X
// The final store moves back to where the value was saved (STA CL /
// STA $0100+I,X), provided nothing in between reads or writes its target,
// the frame register is the same there, and, for memory outside the block
// and the frame, no other such access lies between (their order stays).
// The load and the save then have no reader left and go as dead code.
#include "opt.h"

namespace {

bool isStore(Op op) { return op == OP_STA || op == OP_STX || op == OP_STY; }

int storedRegister(Op op) { return op == OP_STA ? LOC_A : op == OP_STX ? LOC_X : LOC_Y; }

// True when the instruction between the two places may touch the target
// that the store writes.
bool touches(const Effects& between, const Effects& store, const State& state, const State& storeState)
{
    if (between.unknownCall)
        return true;
    const Target& target = store.target;
    switch (target.kind) {
    case TARGET_BLOCK: {
        LocSet byte = bit(LOC_BLOCK + target.byte);
        return (between.reads & byte) || (between.mayWrite & byte);
    }
    case TARGET_FRAME:
        if (between.frameBarrier)
            return true;
        if ((between.target.kind == TARGET_UNKNOWN || between.target.kind == TARGET_POINTER) &&
            (between.readsTarget || between.writesTarget))
            return true;
        if (between.target.kind == TARGET_FRAME && (between.readsTarget || between.writesTarget))
            return between.target.base == target.base || state.loc[LOC_X] != storeState.loc[LOC_X];
        return false;
    case TARGET_MEMORY:
        // Variables and ports keep the order of their accesses.
        return between.sideEffect && (between.target.kind == TARGET_MEMORY || between.target.kind == TARGET_UNKNOWN ||
                                      between.target.kind == TARGET_POINTER ||
                                      between.readsTarget || between.writesTarget || between.unknownCall);
    default:
        return true;
    }
}

} // namespace

bool passStoreMotion(Context& context)
{
    Program& program = context.program;
    Region& region = context.region;
    bool changed = false;
    for (size_t b = 0; b < context.cfg.blocks.size(); b++) {
        const Block& block = context.cfg.blocks[b];
        if (!context.values.entry[b].reached)
            continue;
        std::vector<State> states = blockStates(program, region, context.values, context.cfg, static_cast<int>(b));
        std::vector<Effects> effects;
        for (int index : block.lines)
            effects.push_back(effectsOf(program, region.lines[index], &context.values.resolved[index]));
        std::vector<bool> moved(block.lines.size(), false);
        for (size_t q = 0; q < block.lines.size(); q++) {
            const Line& store = region.lines[block.lines[q]];
            const Effects& storeEffects = effects[q];
            if (!isStore(store.op) || store.operand.mode == MODE_INDIRECT_Y || store.operand.mode == MODE_INDIRECT_X ||
                (storeEffects.target.kind != TARGET_BLOCK && storeEffects.target.kind != TARGET_FRAME &&
                 storeEffects.target.kind != TARGET_MEMORY))
                continue;
            TermId value = states[q].loc[storedRegister(store.op)];
            bool gains = false;  // something other than stores lies between
            for (size_t p = q; p-- > 0;) {
                const Line& save = region.lines[block.lines[p]];
                const Effects& saveEffects = effects[p];
                bool savesValue = isStore(save.op) && !moved[p] && saveEffects.target.kind == TARGET_BLOCK &&
                                  states[p].loc[storedRegister(save.op)] == value &&
                                  !(storeEffects.target.kind == TARGET_BLOCK && storeEffects.target.byte == saveEffects.target.byte);
                if (savesValue && gains) {
                    bool sameIndex = store.operand.mode != MODE_DIRECT_X || states[p].loc[LOC_X] == states[q].loc[LOC_X];
                    bool sameY = store.operand.mode != MODE_DIRECT_Y || states[p].loc[LOC_Y] == states[q].loc[LOC_Y];
                    Op op = save.op;
                    if (sameIndex && sameY && modeExists(op, store.operand.mode, store.address.zeroPage)) {
                        insertAfter(region, block.lines[p],
                                    makeInstruction(program, op, store.operand.mode, SELECT_WHOLE, store.address));
                        deleteLine(region, block.lines[q]);
                        moved[q] = true;
                        changed = true;
                    }
                    break;
                }
                if (savesValue || touches(saveEffects, storeEffects, states[p], states[q]))
                    break;
                gains = gains || !isStore(save.op);
            }
        }
    }
    return changed;
}
