// The fixed-point driver: for one region, every enabled transformation in
// turn, each on fresh analyses, until a whole round changes nothing; then
// branches are brought within reach. Also the walks over the code that the
// transformations share, and the edits they make (deleting, replacing and
// inserting lines).
#include <cstdlib>
#include <set>

#include "opt.h"

const PassInfo PASSES[] = {
    {"indirect", "a load or store through BX whose address is known becomes a direct access"},
    {"helper-calls", "an inline multiply or divide loop becomes a call of the runtime routine"},
    {"constants", "an operand whose value is known becomes an immediate or a register transfer"},
    {"copies", "a block byte that holds a copy of a frame byte is read from the frame byte"},
    {"store-motion", "a store moves back to where its value was saved in a block byte"},
    {"coalesce", "a block byte that copies a frame byte, changed and stored back, is the frame byte"},
    {"shifts", "a block byte shifted right after it was stored from A is shifted in A"},
    {"conditions", "a branch tests the flag that holds its condition longest"},
    {"threading", "a branch whose outcome the path into it decides goes straight to its target"},
    {"compare", "SEC and SBC whose difference is not used become CMP"},
    {"dead-code", "computations whose results nothing reads are removed"},
    {"dead-stores", "stores to block bytes that nothing reads are removed"},
    {"redundant-loads", "loads and transfers that change nothing are removed"},
    {"stack", "a PLA and a PHA right after each other that pass on nothing go"},
    {"jumps", "branch chains, branches over jumps and jumps to the next line"},
    {"layout", "code reached only by a JMP moves to the JMP's place"},
    {"increments", "a load, add of one and store of the same byte becomes INC (DEC)"},
    {"unreachable", "code that control never reaches is removed"},
    {"labels", "labels that nothing names are removed"},
    {"calls", "a call of a function of the program reads only what the function reads"},
};
const int PASS_COUNT = sizeof(PASSES) / sizeof(PASSES[0]);

namespace {

// Rounds of all transformations; each round that changes something makes
// the region smaller or cheaper, so this is far beyond what a region needs.
constexpr int MAX_ROUNDS = 200;

enum PassId {
    PASS_INDIRECT, PASS_HELPER_CALLS, PASS_CONSTANTS, PASS_COPIES, PASS_STORE_MOTION, PASS_COALESCE, PASS_SHIFTS, PASS_CONDITIONS, PASS_THREADING,
    PASS_COMPARE, PASS_DEAD_CODE, PASS_DEAD_STORES, PASS_REDUNDANT_LOADS, PASS_STACK, PASS_JUMPS, PASS_LAYOUT,
    PASS_INCREMENTS, PASS_UNREACHABLE,
    PASS_LABELS, PASS_CALLS,
};

bool runPass(int pass, Context& context, const Options& options)
{
    switch (pass) {
    case PASS_HELPER_CALLS: return passHelperCalls(context);
    case PASS_INDIRECT: return passIndirect(context);
    case PASS_CONSTANTS: return passConstants(context);
    case PASS_COPIES: return passCopies(context);
    case PASS_STORE_MOTION: return passStoreMotion(context);
    case PASS_COALESCE: return passCoalesce(context);
    case PASS_SHIFTS: return passShifts(context);
    case PASS_CONDITIONS: return passConditions(context);
    case PASS_THREADING: return passThreading(context);
    case PASS_COMPARE: return passCompare(context);
    case PASS_DEAD_CODE:
        // Dead code, dead stores and redundant loads are one walk.
        return passDeadCode(context, !options.disabled[PASS_DEAD_STORES], !options.disabled[PASS_DEAD_CODE],
                            !options.disabled[PASS_REDUNDANT_LOADS]);
    case PASS_STACK: return passStack(context);
    case PASS_JUMPS: return passJumps(context);
    case PASS_LAYOUT: return passLayout(context);
    case PASS_INCREMENTS: return passIncrements(context);
    case PASS_UNREACHABLE: return passUnreachable(context);
    case PASS_LABELS: return passLabels(context);
    default: return false;
    }
}

} // namespace

int passIndex(const char* name)
{
    for (int pass = 0; pass < PASS_COUNT; pass++)
        if (std::string(name) == PASSES[pass].name)
            return pass;
    return -1;
}

void analyze(Context& context)
{
    context.cfg = buildCfg(context.program, context.region);
    context.values = analyzeValues(context.program, context.region, context.cfg);
    context.liveness = analyzeLiveness(context.program, context.region, context.cfg, context.values);
}

std::vector<int> reachedBlocks(const Context& context)
{
    std::vector<int> blocks;
    for (size_t b = 0; b < context.cfg.blocks.size(); b++)
        if (context.values.entry[b].reached)
            blocks.push_back(static_cast<int>(b));
    return blocks;
}

std::vector<Effects> blockEffects(const Context& context, int block)
{
    std::vector<Effects> effects;
    for (int index : context.cfg.blocks[block].lines)
        effects.push_back(effectsOf(context.program, context.region.lines[index], &context.values.resolved[index]));
    return effects;
}

void forEachInstruction(Context& context,
                        const std::function<void(int index, const Effects& effects, const State& before,
                                                 const State& after)>& visit)
{
    for (int b : reachedBlocks(context)) {
        State state = context.values.entry[b];
        for (int index : context.cfg.blocks[b].lines) {
            Effects effects = effectsOf(context.program, context.region.lines[index], &context.values.resolved[index]);
            State before = state;
            stepValues(context.program, context.region, context.values, index, state);
            visit(index, effects, before, state);
        }
    }
}

std::string blockLabel(Context& context, int target, std::vector<std::string>& made)
{
    const Block& block = context.cfg.blocks[target];
    if (!block.labels.empty())
        return context.region.lines[block.labels.front()].source.label;
    if (made[target].empty()) {
        made[target] = newLabelName(context.program);
        insertBefore(context.region, block.lines.front(), makeLabel(made[target]));
    }
    return made[target];
}

Address labelAddress(const std::string& name)
{
    Address address;
    address.valid = true;
    address.name = name;
    return address;
}

void deleteLine(Region& region, int index)
{
    Line& line = region.lines[index];
    if (line.source.kind == LINE_INSTRUCTION && !line.source.label.empty()) {
        // A label written on the instruction's line stays.
        bool entry = line.entry;
        line = makeLabel(line.source.label);
        line.entry = entry;
        return;
    }
    line.deleted = true;
}

void replaceLine(Region& region, int index, const Line& replacement)
{
    Line& line = region.lines[index];
    if (!line.source.label.empty()) {
        Line label = makeLabel(line.source.label);
        label.entry = line.entry;
        insertBefore(region, index, label);
    }
    line = replacement;
}

void insertAfter(Region& region, int index, const Line& line) { region.pending.push_back({index, false, line}); }

void insertBefore(Region& region, int index, const Line& line) { region.pending.push_back({index, true, line}); }

void commitEdits(Region& region)
{
    bool deleted = false;
    for (const Line& line : region.lines)
        deleted = deleted || line.deleted;
    if (!deleted && region.pending.empty())
        return;
    std::vector<std::vector<const Line*>> before(region.lines.size()), after(region.lines.size());
    for (const PendingLine& pending : region.pending)
        (pending.before ? before : after)[pending.index].push_back(&pending.line);
    std::vector<Line> lines;
    lines.reserve(region.lines.size() + region.pending.size());
    for (size_t i = 0; i < region.lines.size(); i++) {
        for (const Line* line : before[i])
            lines.push_back(*line);
        if (!region.lines[i].deleted)
            lines.push_back(std::move(region.lines[i]));
        for (const Line* line : after[i])
            lines.push_back(*line);
    }
    region.lines = std::move(lines);
    region.pending.clear();
}

void optimizeRegion(Program& program, Region& region, const Options& options)
{
    if (!region.optimizable)
        return;
    // QUARN_OPT_STEPS=N stops after N transformations that changed something:
    // a fault can be narrowed down to the one that made it.
    static long stepsLeft = getenv("QUARN_OPT_STEPS") ? atol(getenv("QUARN_OPT_STEPS")) : -1;
    // The analyses are made again only after a transformation changed the region.
    Context context{program, region, {}, {}, {}};
    bool fresh = false;
    std::set<size_t> seen;
    for (int round = 0; round < MAX_ROUNDS; round++) {
        bool changed = false;
        for (int pass = 0; pass < PASS_COUNT; pass++) {
            if (pass == PASS_DEAD_STORES || pass == PASS_REDUNDANT_LOADS || pass == PASS_CALLS)
                continue;
            bool removes = !options.disabled[PASS_DEAD_CODE] || !options.disabled[PASS_DEAD_STORES] ||
                           !options.disabled[PASS_REDUNDANT_LOADS];
            if (pass == PASS_DEAD_CODE ? !removes : options.disabled[pass])
                continue;
            if (stepsLeft == 0) {
                freeValues(context.values);
                return;
            }
            if (!fresh) {
                freeValues(context.values);
                analyze(context);
                fresh = true;
            }
            bool passChanged = runPass(pass, context, options);
            commitEdits(region);
            fresh = !passChanged;
            changed = changed || passChanged;
            if (passChanged && stepsLeft > 0)
                stepsLeft--;
        }
        if (!changed)
            break;
        // Transformations that undo each other would go round for ever:
        // a region seen before ends the rounds.
        std::string text;
        for (const Line& line : region.lines)
            text += line.text + '\n';
        if (!seen.insert(std::hash<std::string>()(text)).second)
            break;
    }
    freeValues(context.values);
    relaxBranches(program, region);
}
