// Liveness: which registers, flags and block bytes may still be read after
// each instruction of a region. Leaving for unknown code keeps everything
// live; an RTS reads what the caller takes back (BX, X); a call that is no
// runtime routine reads everything.
#include "opt.h"

namespace {

LocSet transferBlock(const Program& program, const Region& region, const Values& values, const Block& block,
                     LocSet live, std::vector<LocSet>* after)
{
    for (size_t i = block.lines.size(); i-- > 0;) {
        int index = block.lines[i];
        if (after)
            (*after)[index] = live;
        Effects effects = effectsOf(program, region.lines[index], &values.resolved[index]);
        live = (live & ~effects.writes) | effects.reads;
    }
    return live;
}

} // namespace

Liveness analyzeLiveness(const Program& program, const Region& region, const Cfg& cfg, const Values& values)
{
    Liveness liveness;
    size_t count = cfg.blocks.size();
    liveness.liveOut.assign(count, 0);
    liveness.liveIn.assign(count, 0);
    liveness.after.assign(region.lines.size(), 0);
    std::vector<LocSet>& liveIn = liveness.liveIn;
    std::vector<bool> queued(count, true);
    std::vector<int> work;
    for (size_t b = count; b-- > 0;)
        work.push_back(static_cast<int>(b));
    while (!work.empty()) {
        int b = work.back();
        work.pop_back();
        queued[b] = false;
        const Block& block = cfg.blocks[b];
        LocSet out = block.exitsUnknown ? ALL_LOCATIONS : 0;
        for (int s : block.successors)
            out |= liveIn[s];
        liveness.liveOut[b] = out;
        LocSet in = transferBlock(program, region, values, block, out, nullptr);
        if (in == liveIn[b])
            continue;
        liveIn[b] = in;
        for (int p : block.predecessors)
            if (!queued[p]) {
                queued[p] = true;
                work.push_back(p);
            }
    }
    for (size_t b = 0; b < count; b++)
        transferBlock(program, region, values, cfg.blocks[b], liveness.liveOut[b], &liveness.after);
    return liveness;
}
