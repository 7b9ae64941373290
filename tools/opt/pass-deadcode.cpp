// Dead code, dead stores and redundant loads: an instruction goes when
// everything it writes is either read by nobody before it is written again
// (liveness) or already holds the value it would write (known values), and
// it touches no memory outside the block and the frame, the stack or
// control. Three kinds, switched off one by one:
//   dead-stores      a store into a block byte nobody reads, or a store of
//                    the value a frame byte already holds
//   redundant-loads  a load or transfer that leaves every location as it was
//   dead-code        any other computation whose results nobody reads
// Removals are judged on the program as it is and made together, which is
// sound except when one removal changes a location that another keeps only
// because it holds the same value (LDY #0 dead in one place because Y is set
// again later, redundant there because Y is already 0): such a pair waits
// for the next round, when the analyses see the first removal.
#include "opt.h"

namespace {

struct Candidate {
    int index;
    LocSet liveUnchanged;  // written, read later, and holding that value already
    LocSet deadChanged;    // written with another value, read by nobody
};

} // namespace

bool passDeadCode(Context& context, bool stores, bool computations, bool redundant)
{
    Region& region = context.region;
    std::vector<Candidate> candidates;
    LocSet reliedOn = 0;
    forEachInstruction(context, [&](int index, const Effects& effects, const State& before, const State& after) {
        if (effects.sideEffect || effects.mayWrite != effects.writes)
            return;
        LocSet live = context.liveness.after[index];
        Candidate candidate{index, 0, 0};
        bool removable = true;
        for (int k = 0; k < LOC_COUNT; k++) {
            if (!(effects.writes & bit(k)))
                continue;
            bool same = before.loc[k] == after.loc[k];
            bool isLive = live & bit(k);
            if (same && isLive)
                candidate.liveUnchanged |= bit(k);
            else if (!same && isLive)
                removable = false;
            else if (!same)
                candidate.deadChanged |= bit(k);
        }
        if (effects.writesTarget && effects.target.kind == TARGET_FRAME) {
            TermId old = frameValue(before, effects.target.base, before.loc[LOC_X]);
            removable = removable && old && old == frameValue(after, effects.target.base, after.loc[LOC_X]);
        }
        if (!removable)
            return;
        bool unchanged = candidate.deadChanged == 0;
        bool allowed = effects.writesTarget ? stores : unchanged ? redundant : computations;
        if (!allowed)
            return;
        candidates.push_back(candidate);
        reliedOn |= candidate.liveUnchanged;
    });
    bool changed = false;
    for (const Candidate& candidate : candidates) {
        if (candidate.deadChanged & reliedOn)
            continue;
        deleteLine(region, candidate.index);
        changed = true;
    }
    return changed;
}

// A PHA right after a PLA pushes back what was pulled, and a PLA right after
// a PHA pulls what was pushed: when the A and flags they leave are read by
// nobody (or are what they were), the pair leaves the stack as it was and
// goes.
bool passStack(Context& context)
{
    Region& region = context.region;
    bool changed = false;
    for (int b : reachedBlocks(context)) {
        const Block& block = context.cfg.blocks[b];
        std::vector<State> states = blockStates(context.program, region, context.values, context.cfg, b);
        for (size_t i = 0; i + 1 < block.lines.size(); i++) {
            Op first = region.lines[block.lines[i]].op;
            Op second = region.lines[block.lines[i + 1]].op;
            if (!((first == OP_PLA && second == OP_PHA) || (first == OP_PHA && second == OP_PLA)))
                continue;
            // What the pair writes: A, Z and N (S comes back as it was).
            LocSet live = context.liveness.after[block.lines[i + 1]];
            bool harmless = true;
            for (int k : {LOC_A, LOC_Z, LOC_N})
                harmless = harmless && (!(live & bit(k)) || states[i].loc[k] == states[i + 2].loc[k]);
            if (!harmless)
                continue;
            deleteLine(region, block.lines[i]);
            deleteLine(region, block.lines[i + 1]);
            i++;
            changed = true;
        }
    }
    return changed;
}
