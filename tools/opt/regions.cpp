// The program cut into regions, one per function (and one for the start-up
// code before the first), and the labels through which code outside a
// region, data or an address operand may enter it. A region whose code
// depends on its own layout (inline text the reader does not know, the
// location counter * in an operand, data that code runs into) is written as
// it was read.
#include <set>

#include "opt.h"

namespace {

struct References {
    std::set<std::string> calls;                   // JSR targets
    std::set<std::string> addressTaken;            // named by data, equates, other operands
    std::map<std::string, std::vector<int>> jumps; // branch and JMP targets: the lines naming them
};

// Every name in an expression's text, whatever its form.
void namesIn(const std::string& text, std::set<std::string>& names)
{
    size_t i = 0;
    while (i < text.size()) {
        if (isNameStart(text[i]) && (i == 0 || (!isNameChar(text[i - 1]) && text[i - 1] != '$'))) {
            size_t start = i;
            while (i < text.size() && isNameChar(text[i]))
                i++;
            names.insert(text.substr(start, i - start));
        } else {
            i++;
        }
    }
}

References findReferences(const Program& program)
{
    References references;
    for (size_t index = 0; index < program.lines.size(); index++) {
        const Line& line = program.lines[index];
        const SourceLine& source = line.source;
        bool plainName = line.address.valid && !line.address.name.empty() && line.address.offset == 0;
        if (source.kind == LINE_INSTRUCTION && line.operand.mode == MODE_DIRECT && plainName &&
            (line.op == OP_JSR || line.op == OP_JMP || isConditionalBranch(line.op))) {
            if (line.op == OP_JSR)
                references.calls.insert(line.address.name);
            else
                references.jumps[line.address.name].push_back(static_cast<int>(index));
        } else if (source.kind == LINE_INSTRUCTION || source.kind == LINE_DATA || source.kind == LINE_EQUATE ||
                   source.kind == LINE_ORIGIN || source.kind == LINE_TEXT) {
            namesIn(source.kind == LINE_TEXT ? source.text : source.operand, references.addressTaken);
        }
    }
    return references;
}

bool digitsFrom(const std::string& name, size_t start)
{
    if (start >= name.size())
        return false;
    for (size_t i = start; i < name.size(); i++)
        if (!isdigit(static_cast<unsigned char>(name[i])))
            return false;
    return true;
}

bool startsWith(const std::string& name, const char* prefix) { return name.rfind(prefix, 0) == 0; }

} // namespace

bool isInternalLabel(const std::string& name)
{
    return startsWith(name, "qo_") || (startsWith(name, "NLL") && digitsFrom(name, 3)) ||
           (startsWith(name, "LLS") && digitsFrom(name, 3)) || (startsWith(name, "LL3E") && digitsFrom(name, 4)) ||
           (startsWith(name, "LL") && digitsFrom(name, 2));
}

namespace {

// The next instruction line after index, or -1.
int nextInstruction(const std::vector<Line>& lines, size_t index)
{
    for (size_t i = index + 1; i < lines.size(); i++)
        if (lines[i].source.kind == LINE_INSTRUCTION)
            return static_cast<int>(i);
    return -1;
}

// A label followed by the prologue TXA, PHA, TSX starts a function.
bool startsFunction(const std::vector<Line>& lines, size_t index)
{
    static const Op PROLOGUE[] = {OP_TXA, OP_PHA, OP_TSX};
    size_t at = index;
    for (Op op : PROLOGUE) {
        int next = nextInstruction(lines, at);
        if (next < 0 || lines[next].op != op || !lines[next].source.label.empty())
            return false;
        at = static_cast<size_t>(next);
    }
    return true;
}

bool fallsThrough(const Line& line)
{
    return line.op != OP_RTS && line.op != OP_RTI && line.op != OP_JMP && line.op != OP_BRK;
}

// Why the region cannot be optimized, or an empty text.
std::string layoutDependence(const Region& region)
{
    bool running = true;  // control may reach this line from the one before
    for (const Line& line : region.lines) {
        const SourceLine& source = line.source;
        if (source.kind == LINE_TEXT)
            return "inline text the optimizer does not read";
        if (source.kind == LINE_INSTRUCTION) {
            if (!line.address.valid && line.operand.expression.find('*') != std::string::npos)
                return "an operand that names the location counter";
            running = fallsThrough(line);
        } else if (source.kind == LINE_DATA && running) {
            return "data that code runs into";
        } else if (source.kind == LINE_ORIGIN || source.kind == LINE_END) {
            running = false;
        }
    }
    return "";
}

} // namespace

std::vector<Region> findRegions(Program& program)
{
    References references = findReferences(program);
    std::vector<Region> regions(1);
    regions[0].name = "(start-up)";
    std::vector<int> regionOfLine(program.lines.size());
    std::string startTarget;
    for (size_t index = 0; index < program.lines.size(); index++) {
        const Line& line = program.lines[index];
        const std::string& label = line.source.label;
        if (startTarget.empty() && line.op == OP_JMP && line.address.valid)
            startTarget = line.address.name;
        bool starts = line.source.kind == LINE_ORIGIN;
        if (!label.empty() && line.source.kind == LINE_LABEL)
            starts = references.calls.count(label) || label == startTarget || startsFunction(program.lines, index);
        if (starts && !regions.back().lines.empty()) {
            regions.emplace_back();
            regions.back().name = label.empty() ? "(origin)" : label;
        }
        regionOfLine[index] = static_cast<int>(regions.size()) - 1;
        regions.back().lines.push_back(program.lines[index]);
    }
    // Entry labels: reached by calls, by address, from other regions, or
    // named nowhere (the program may be one part of a larger one).
    std::vector<size_t> position(regions.size(), 0);
    for (size_t index = 0; index < program.lines.size(); index++) {
        int region = regionOfLine[index];
        Line& line = regions[region].lines[position[region]++];
        const std::string& label = line.source.label;
        if (label.empty() || line.source.kind == LINE_EQUATE)
            continue;
        auto jumps = references.jumps.find(label);
        bool fromOutside = false;
        if (jumps != references.jumps.end())
            for (int from : jumps->second)
                fromOutside = fromOutside || regionOfLine[from] != region;
        bool unnamed = jumps == references.jumps.end() && !isInternalLabel(label);
        line.entry = references.calls.count(label) || references.addressTaken.count(label) || fromOutside || unnamed;
    }
    program.lines.clear();
    for (Region& region : regions) {
        region.reason = layoutDependence(region);
        region.optimizable = region.reason.empty();
    }
    return regions;
}

std::vector<int> calleesFirst(const std::vector<Region>& regions)
{
    std::map<std::string, int> regionOfLabel;
    for (size_t r = 0; r < regions.size(); r++)
        for (const Line& line : regions[r].lines)
            if (!line.source.label.empty() && line.source.kind == LINE_LABEL)
                regionOfLabel[line.source.label] = static_cast<int>(r);
    std::vector<std::vector<int>> calls(regions.size());
    for (size_t r = 0; r < regions.size(); r++)
        for (const Line& line : regions[r].lines)
            if (line.op == OP_JSR && line.address.valid && regionOfLabel.count(line.address.name))
                calls[r].push_back(regionOfLabel[line.address.name]);
    std::vector<int> order;
    std::vector<int> state(regions.size(), 0);  // 0 new, 1 open, 2 done
    // Depth first, iteratively: a region is done after the regions it calls.
    for (size_t root = 0; root < regions.size(); root++) {
        if (state[root])
            continue;
        std::vector<std::pair<int, size_t>> stack{{static_cast<int>(root), 0}};
        state[root] = 1;
        while (!stack.empty()) {
            auto& [r, next] = stack.back();
            if (next < calls[r].size()) {
                int callee = calls[r][next++];
                if (!state[callee]) {
                    state[callee] = 1;
                    stack.push_back({callee, 0});
                }
                continue;
            }
            state[r] = 2;
            order.push_back(r);
            stack.pop_back();
        }
    }
    return order;
}

void summarizeCalls(Program& program, Region& region)
{
    if (!region.optimizable)
        return;
    Context context{program, region, {}, {}, {}};
    analyze(context);
    for (const auto& [label, block] : context.cfg.labelBlock) {
        bool called = false;
        for (const Line& line : region.lines)
            called = called || (line.source.label == label && line.entry);
        if (called)
            program.callReads[label] = context.liveness.liveIn[block];
    }
    freeValues(context.values);
}
