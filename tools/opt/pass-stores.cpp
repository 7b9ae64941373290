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
    for (int b : reachedBlocks(context)) {
        const Block& block = context.cfg.blocks[b];
        std::vector<State> states = blockStates(program, region, context.values, context.cfg, b);
        std::vector<Effects> effects = blockEffects(context, b);
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
                    if (sameIndex && sameY && canWrite(op, store.operand.mode, store.address.zeroPage)) {
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

// Coalescing: a block byte that starts as a copy of a frame byte, is
// changed in place (ASL CX / ROL CX+1) and read, and is finally stored back
// into that frame byte, is replaced by the frame byte itself, when nothing
// else touches the frame byte meanwhile and nothing reads the block byte
// afterwards:
//     LDA $0100+C,X / STA CL / ... / ASL CX / ... / LDA CL / STA $0100+C,X
// becomes ASL $0100+C,X / ... / LDA $0100+C,X; the copy and the store back
// then go as dead and unchanged.
bool passCoalesce(Context& context)
{
    Program& program = context.program;
    Region& region = context.region;
    bool changed = false;
    for (int b : reachedBlocks(context)) {
        const Block& block = context.cfg.blocks[b];
        std::vector<State> states = blockStates(program, region, context.values, context.cfg, b);
        std::vector<Effects> effects = blockEffects(context, b);
        std::vector<bool> used(block.lines.size(), false);
        for (size_t p = 0; p < block.lines.size(); p++) {
            const Line& copy = region.lines[block.lines[p]];
            if (used[p] || !isStore(copy.op) || effects[p].target.kind != TARGET_BLOCK || copy.operand.mode != MODE_DIRECT)
                continue;
            int byte = effects[p].target.byte;
            TermId value = states[p].loc[storedRegister(copy.op)];
            TermId frameIndex = states[p].loc[LOC_X];
            const FrameSlot* source = nullptr;
            for (const FrameSlot& slot : states[p].frame)
                if (slot.value == value && slot.index == frameIndex)
                    source = &slot;
            if (!source)
                continue;
            LocSet blockByteSet = bit(LOC_BLOCK + byte);
            std::vector<size_t> uses;
            size_t back = 0;  // the store back into the frame byte
            for (size_t q = p + 1; q < block.lines.size() && !back; q++) {
                const Line& line = region.lines[block.lines[q]];
                const Effects& e = effects[q];
                if (e.frameBarrier || e.unknownCall || states[q].loc[LOC_X] != frameIndex)
                    break;
                bool touchesFrame = (e.readsTarget || e.writesTarget) &&
                                    (e.target.kind == TARGET_UNKNOWN || e.target.kind == TARGET_POINTER ||
                                     (e.target.kind == TARGET_FRAME && e.target.base == source->base));
                if (touchesFrame) {
                    // Only the final store of the block byte's value may touch it.
                    bool storesBack = isStore(line.op) && e.target.kind == TARGET_FRAME && e.writesTarget &&
                                      !e.readsTarget && states[q].loc[storedRegister(line.op)] == states[q].loc[LOC_BLOCK + byte];
                    if (storesBack)
                        back = q;
                    break;
                }
                if (!((e.reads | e.mayWrite) & blockByteSet))
                    continue;
                bool direct = e.target.kind == TARGET_BLOCK && e.target.byte == byte && line.operand.mode == MODE_DIRECT;
                if (!direct || !canWrite(line.op, MODE_DIRECT_X, false))
                    break;
                uses.push_back(q);
            }
            if (!back || (context.liveness.after[block.lines[back]] & blockByteSet))
                continue;
            for (size_t q : uses) {
                const Line& line = region.lines[block.lines[q]];
                replaceLine(region, block.lines[q],
                            makeInstruction(program, line.op, MODE_DIRECT_X, SELECT_WHOLE, source->address));
                used[q] = true;
            }
            deleteLine(region, block.lines[p]);
            used[p] = used[back] = true;
            changed = true;
        }
    }
    return changed;
}

// Shifts in A: LDA F / STA CL / ... / ASL CL shifts CL in memory right
// after it was stored from A: the shift moves before the store, into A
// (ASL A / STA CL), one byte and three cycles less. Nothing in between may
// read CL, the carry or the flags, write the carry, or read A before it is
// written again; what the moved shift leaves in A and the flags must be
// read by nobody after the old place.
bool passShifts(Context& context)
{
    Program& program = context.program;
    Region& region = context.region;
    bool changed = false;
    for (int b : reachedBlocks(context)) {
        const Block& block = context.cfg.blocks[b];
        std::vector<Effects> effects = blockEffects(context, b);
        for (size_t q = 0; q < block.lines.size(); q++) {
            const Line& shift = region.lines[block.lines[q]];
            bool isShift = shift.op == OP_ASL || shift.op == OP_LSR || shift.op == OP_ROL || shift.op == OP_ROR;
            if (!isShift || shift.operand.mode != MODE_DIRECT || effects[q].target.kind != TARGET_BLOCK)
                continue;
            LocSet byte = bit(LOC_BLOCK + effects[q].target.byte);
            LocSet flags = bit(LOC_C) | bit(LOC_Z) | bit(LOC_N);
            // Back to the store of the byte, over instructions that leave
            // the byte and the carry alone and read no flag.
            size_t p = q;
            bool found = false;
            while (p-- > 0) {
                const Line& line = region.lines[block.lines[p]];
                const Effects& e = effects[p];
                if (line.op == OP_STA && line.operand.mode == MODE_DIRECT && e.target.kind == TARGET_BLOCK &&
                    (e.writes & byte)) {
                    found = true;
                    break;
                }
                if ((e.reads & (byte | flags)) || (e.mayWrite & (byte | bit(LOC_C))) || e.unknownCall)
                    break;
            }
            if (!found)
                continue;
            // After the store A is the byte shifted: the first instruction
            // that touches A must write it without reading it; if none does,
            // nobody may read A after the old place.
            bool aSafe = false, aTouched = false;
            for (size_t i = p + 1; i < q && !aTouched; i++) {
                if ((effects[i].reads | effects[i].writes) & bit(LOC_A)) {
                    aTouched = true;
                    aSafe = !(effects[i].reads & bit(LOC_A));
                }
            }
            LocSet live = context.liveness.after[block.lines[q]];
            if (!aTouched)
                aSafe = !(live & bit(LOC_A));
            if (!aSafe || (live & (bit(LOC_Z) | bit(LOC_N))))
                continue;
            insertBefore(region, block.lines[p], makeInstruction(program, shift.op, MODE_ACCUMULATOR, SELECT_WHOLE, Address{}));
            deleteLine(region, block.lines[q]);
            changed = true;
            break;  // one per block and pass: the next reads the moved one
        }
    }
    return changed;
}
