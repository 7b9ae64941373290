// Loop idioms: the compiler's inline multiply, divide and modulo loops
// (written without -C) compute exactly what the runtime routines of
// helper-call mode compute, in many more cycles and bytes. A loop is known by
// its whole shape (one table entry below is one whole loop as the compiler
// writes it, with L and R the left and right operands' block bytes, U0..U3
// its operands as read, @A and @B its labels). It becomes a call:
//     LDA left+1 / PHA / LDA left / PHA / LDA right+1 / PHA / LDA right / PHA
//     JSR ZDIV16HELPER / PLA x4 / LDA BX / STA L / LDA BX+1 / STA L+1
// when liveness shows that nothing reads what the two leave differently (Y,
// the carry, the work area, the spent right operand); BX, which the routine
// returns in, is kept around the call when it is live and not the result.
// Variables among U0..U3 keep the order in which the loop read them: the
// loop's first stores stay and the call takes its operands from them.
#include <algorithm>
#include <map>

#include "opt.h"

namespace {

struct Idiom {
    const char* helper;
    int width;           // bytes of the operands and of the result
    int operands;        // U0..U(n-1) read by the set-up; 0: L and R hold them
    const char* lines;   // the loop, one line each
};

const Idiom IDIOMS[] = {
    {"ZMUL8HELPER", 1, 0,
     " LDA #0\n STA DIVISOR_PRODUCT\n LDY #8\n@A EQU *\n LSR R\n BCC @B\n LDA DIVISOR_PRODUCT\n CLC\n"
     " ADC L\n STA DIVISOR_PRODUCT\n@B EQU *\n ASL L\n DEY\n BNE @A\n LDA DIVISOR_PRODUCT\n STA L\n"},
    {"ZMUL16HELPER", 2, 0,
     " LDA #0\n STA DIVISOR_PRODUCT\n STA DIVISOR_PRODUCT+1\n LDY #16\n@A EQU *\n LSR R+1\n ROR R\n"
     " BCC @B\n LDA DIVISOR_PRODUCT\n CLC\n ADC L\n STA DIVISOR_PRODUCT\n LDA DIVISOR_PRODUCT+1\n"
     " ADC L+1\n STA DIVISOR_PRODUCT+1\n@B EQU *\n ASL L\n ROL L+1\n DEY\n BNE @A\n"
     " LDA DIVISOR_PRODUCT\n STA L\n LDA DIVISOR_PRODUCT+1\n STA L+1\n"},
    {"ZDIV8HELPER", 1, 2,
     " LDA U0\n STA DIVIDEND_REMAINDER\n LDA U1\n STA DIVISOR_PRODUCT+1\n LDA #0\n STA DIVISOR_PRODUCT\n"
     " LDY #8\n@A EQU *\n ASL QUOTIENT_FACTOR\n LSR DIVISOR_PRODUCT+1\n ROR DIVISOR_PRODUCT\n LDA #0\n"
     " CMP DIVISOR_PRODUCT+1\n BNE @B\n LDA DIVIDEND_REMAINDER\n SEC\n SBC DIVISOR_PRODUCT\n STA L\n"
     " SBC L\n EOR #$0FF\n BEQ @B\n LDA DIVIDEND_REMAINDER\n SEC\n SBC DIVISOR_PRODUCT\n"
     " STA DIVIDEND_REMAINDER\n INC QUOTIENT_FACTOR\n@B EQU *\n DEY\n BNE @A\n LDA QUOTIENT_FACTOR\n"
     " STA L\n"},
    {"ZMOD8HELPER", 1, 2,
     " LDA U0\n STA DIVIDEND_REMAINDER\n LDA U1\n STA DIVISOR_PRODUCT+1\n LDA #0\n STA DIVISOR_PRODUCT\n"
     " LDY #8\n@A EQU *\n ASL QUOTIENT_FACTOR\n LSR DIVISOR_PRODUCT+1\n ROR DIVISOR_PRODUCT\n LDA #0\n"
     " CMP DIVISOR_PRODUCT+1\n BNE @B\n LDA DIVIDEND_REMAINDER\n SEC\n SBC DIVISOR_PRODUCT\n STA L\n"
     " SBC L\n EOR #$0FF\n BEQ @B\n LDA DIVIDEND_REMAINDER\n SEC\n SBC DIVISOR_PRODUCT\n"
     " STA DIVIDEND_REMAINDER\n INC QUOTIENT_FACTOR\n@B EQU *\n DEY\n BNE @A\n LDA DIVIDEND_REMAINDER\n"
     " STA L\n"},
    {"ZDIV16HELPER", 2, 4,
     " LDA U0\n STA DIVIDEND_REMAINDER\n LDA U1\n STA DIVIDEND_REMAINDER+1\n LDA U2\n"
     " STA DIVISOR_PRODUCT+2\n LDA U3\n STA DIVISOR_PRODUCT+3\n LDA #0\n STA DIVISOR_PRODUCT\n"
     " STA DIVISOR_PRODUCT+1\n LDY #16\n@A EQU *\n ASL QUOTIENT_FACTOR\n ROL QUOTIENT_FACTOR+1\n"
     " LSR DIVISOR_PRODUCT+3\n ROR DIVISOR_PRODUCT+2\n ROR DIVISOR_PRODUCT+1\n ROR DIVISOR_PRODUCT\n"
     " LDA #0\n CMP DIVISOR_PRODUCT+3\n BNE @B\n CMP DIVISOR_PRODUCT+2\n BNE @B\n"
     " LDA DIVIDEND_REMAINDER\n SEC\n SBC DIVISOR_PRODUCT\n LDA DIVIDEND_REMAINDER+1\n"
     " SBC DIVISOR_PRODUCT+1\n STA L\n SBC L\n EOR #$0FF\n BEQ @B\n LDA DIVIDEND_REMAINDER\n SEC\n"
     " SBC DIVISOR_PRODUCT\n STA DIVIDEND_REMAINDER\n LDA DIVIDEND_REMAINDER+1\n SBC DIVISOR_PRODUCT+1\n"
     " STA DIVIDEND_REMAINDER+1\n INC QUOTIENT_FACTOR\n@B EQU *\n DEY\n BNE @A\n LDA QUOTIENT_FACTOR\n"
     " STA L\n LDA QUOTIENT_FACTOR+1\n STA L+1\n"},
    {"ZMOD16HELPER", 2, 4,
     " LDA U0\n STA DIVIDEND_REMAINDER\n LDA U1\n STA DIVIDEND_REMAINDER+1\n LDA U2\n"
     " STA DIVISOR_PRODUCT+2\n LDA U3\n STA DIVISOR_PRODUCT+3\n LDA #0\n STA DIVISOR_PRODUCT\n"
     " STA DIVISOR_PRODUCT+1\n LDY #16\n@A EQU *\n ASL QUOTIENT_FACTOR\n ROL QUOTIENT_FACTOR+1\n"
     " LSR DIVISOR_PRODUCT+3\n ROR DIVISOR_PRODUCT+2\n ROR DIVISOR_PRODUCT+1\n ROR DIVISOR_PRODUCT\n"
     " LDA #0\n CMP DIVISOR_PRODUCT+3\n BNE @B\n CMP DIVISOR_PRODUCT+2\n BNE @B\n"
     " LDA DIVIDEND_REMAINDER\n SEC\n SBC DIVISOR_PRODUCT\n LDA DIVIDEND_REMAINDER+1\n"
     " SBC DIVISOR_PRODUCT+1\n STA L\n SBC L\n EOR #$0FF\n BEQ @B\n LDA DIVIDEND_REMAINDER\n SEC\n"
     " SBC DIVISOR_PRODUCT\n STA DIVIDEND_REMAINDER\n LDA DIVIDEND_REMAINDER+1\n SBC DIVISOR_PRODUCT+1\n"
     " STA DIVIDEND_REMAINDER+1\n INC QUOTIENT_FACTOR\n@B EQU *\n DEY\n BNE @A\n LDA DIVIDEND_REMAINDER\n"
     " STA L\n LDA DIVIDEND_REMAINDER+1\n STA L+1\n"},
};

// One line of an idiom, read once.
struct Pattern {
    bool label = false;     // "@A EQU *"
    std::string name;       // the label, branch target or operand placeholder (L, R, U0, @A)
    Op op = OP_NONE;
    AddressMode mode = MODE_IMPLIED;
    Address address;        // an operand that is no placeholder
    int64_t offset = 0;     // L+1: the placeholder's byte plus this
};

std::vector<Pattern> readIdiom(const Program& program, const char* text)
{
    std::vector<Pattern> patterns;
    std::string all = text;
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find('\n', start);
        if (end == std::string::npos)
            end = all.size();
        std::string lineText = all.substr(start, end - start);
        start = end + 1;
        Pattern pattern;
        if (lineText[0] == '@') {
            pattern.label = true;
            pattern.name = lineText.substr(0, 2);
            patterns.push_back(pattern);
            continue;
        }
        Line line;
        line.source = readSourceLine(lineText);
        parseInstruction(program, line);
        pattern.op = line.op;
        pattern.mode = line.operand.mode;
        pattern.address = line.address;
        const std::string& name = line.address.name;
        if (name == "L" || name == "R" || (name.size() == 2 && name[0] == 'U') || name[0] == '@') {
            pattern.name = name;
            pattern.offset = line.address.offset;
        }
        patterns.push_back(pattern);
    }
    return patterns;
}

struct Match {
    int first = -1, last = -1;          // region lines
    std::vector<int> lines;             // the region line of each pattern line
    std::map<std::string, int> bytes;   // L, R: block bytes
    std::map<std::string, std::string> labels;
    std::map<std::string, int> uses;    // U0..: the line that reads it
    Address left;                       // how the loop names L
};

bool matchAt(const Program& program, const Region& region, const std::vector<Pattern>& patterns, int start,
             Match& match)
{
    int index = start;
    int count = static_cast<int>(region.lines.size());
    for (const Pattern& pattern : patterns) {
        while (index < count && region.lines[index].source.kind == LINE_COMMENT)
            index++;
        if (index >= count)
            return false;
        const Line& line = region.lines[index];
        if (pattern.label) {
            if (line.source.kind != LINE_LABEL || line.entry)
                return false;
            auto bound = match.labels.emplace(pattern.name, line.source.label);
            if (!bound.second && bound.first->second != line.source.label)
                return false;
        } else {
            if (line.source.kind != LINE_INSTRUCTION || !line.source.label.empty() || line.op != pattern.op)
                return false;
            if (pattern.name.empty()) {
                if (line.operand.mode != pattern.mode || line.operand.select != SELECT_WHOLE)
                    return false;
                if (pattern.mode == MODE_IMMEDIATE) {
                    if (!line.address.numeric || line.address.value != pattern.address.value)
                        return false;
                } else if (pattern.mode != MODE_IMPLIED && pattern.mode != MODE_ACCUMULATOR &&
                           blockByte(program, line.address) != blockByte(program, pattern.address)) {
                    return false;
                }
            } else if (pattern.name[0] == 'U') {
                match.uses[pattern.name] = index;
            } else if (pattern.name[0] == '@') {
                auto bound = match.labels.emplace(pattern.name, line.address.name);
                if (line.operand.mode != MODE_DIRECT || line.address.offset != 0 ||
                    (!bound.second && bound.first->second != line.address.name))
                    return false;
            } else {
                int byte = line.operand.mode == MODE_DIRECT ? blockByte(program, line.address) : -1;
                if (byte < 0)
                    return false;
                int base = byte - static_cast<int>(pattern.offset);
                auto bound = match.bytes.emplace(pattern.name, base);
                if (!bound.second && bound.first->second != base)
                    return false;
                if (pattern.name == "L" && pattern.offset == 0)
                    match.left = line.address;
            }
        }
        match.lines.push_back(index);
        match.last = index++;
    }
    match.first = match.lines.front();
    return true;
}

// The labels of the loop are named by nothing outside it.
bool labelsPrivate(const Region& region, const Match& match)
{
    for (int i = 0; i < static_cast<int>(region.lines.size()); i++) {
        const Line& line = region.lines[i];
        if (i >= match.first && i <= match.last)
            continue;
        if (line.source.kind != LINE_INSTRUCTION)
            continue;
        for (const auto& [placeholder, name] : match.labels)
            if (line.operand.expression.find(name) != std::string::npos)
                return false;
    }
    return true;
}

LocSet bytesOf(int first, int count)
{
    LocSet set = 0;
    for (int k = 0; k < count; k++)
        set |= bit(LOC_BLOCK + first + k);
    return set;
}

} // namespace

namespace {

struct Found {
    const Idiom* idiom;
    const HelperContract* helper;
    Match match;
};

constexpr int BL = 18;

// What the loop and the call leave differently: must be dead after it.
LocSet differences(const Found& found)
{
    int left = found.match.bytes.at("L");
    int width = found.idiom->width;
    LocSet returnBytes = found.helper->writes & bytesOf(BL, 2);
    LocSet differs = bit(LOC_Y) | bit(LOC_C) | bit(LOC_V) | bytesOf(0, 16) | (found.helper->writes & BLOCK_BYTES);
    if (found.match.bytes.count("R"))
        differs |= bytesOf(found.match.bytes.at("R"), width);
    return differs & ~bytesOf(left, width) & ~returnBytes;
}

// The call that replaces a loop; keptSetUp gets the loop's lines that stay.
std::vector<Line> makeCall(Program& program, const Region& region, const Found& found, bool saveBX, bool reloadA,
                           std::vector<int>& keptSetUp)
{
    const Idiom& idiom = *found.idiom;
    const Match& match = found.match;
    int left = match.bytes.at("L");
    int width = idiom.width;
    std::vector<Line> pushes;
    auto push = [&](const Line& load) {
        pushes.push_back(load);
        pushes.push_back(makeInstruction(program, OP_PHA));
    };
    auto loadByte = [&](const Address& address) {
        return makeInstruction(program, OP_LDA, MODE_DIRECT, SELECT_WHOLE, address);
    };
    Address bx = addressOf(program, SymExpr{"BX", 0, 0});
    const Address& leftAddress = match.left;
    keptSetUp.clear();
    if (idiom.operands == 0) {
        Address right = offsetAddress(leftAddress, match.bytes.at("R") - left);
        for (const Address& operand : {leftAddress, right})
            for (int k = width - 1; k >= 0; k--)
                push(loadByte(offsetAddress(operand, k)));
    } else {
        bool variables = false;
        for (const auto& [name, index] : match.uses) {
            TargetKind kind = targetOf(program, region.lines[index]).kind;
            variables = variables || kind == TARGET_MEMORY || kind == TARGET_UNKNOWN || kind == TARGET_POINTER;
        }
        // U0..U3 are left low, left high, right low, right high (one byte
        // each for the one-byte forms).
        std::vector<std::string> order = width == 2 ? std::vector<std::string>{"U1", "U0", "U3", "U2"}
                                                    : std::vector<std::string>{"U0", "U1"};
        for (const std::string& name : order) {
            int index = match.uses.at(name);
            // The set-up stores each operand right after reading it.
            int store = *(std::find(match.lines.begin(), match.lines.end(), index) + 1);
            push(variables ? loadByte(region.lines[store].address) : region.lines[index]);
        }
        if (variables)
            keptSetUp.assign(match.lines.begin(), match.lines.begin() + 2 * idiom.operands);
    }
    std::vector<Line> call;
    if (saveBX)
        for (int k = 1; k >= 0; k--) {
            call.push_back(loadByte(offsetAddress(bx, k)));
            call.push_back(makeInstruction(program, OP_PHA));
        }
    call.insert(call.end(), pushes.begin(), pushes.end());
    call.push_back(makeInstruction(program, OP_JSR, MODE_DIRECT, SELECT_WHOLE, labelAddress(idiom.helper)));
    for (int k = 0; k < 2 * width; k++)
        call.push_back(makeInstruction(program, OP_PLA));
    if (left != BL)
        for (int k = 0; k < width; k++) {
            call.push_back(loadByte(offsetAddress(bx, k)));
            call.push_back(makeInstruction(program, OP_STA, MODE_DIRECT, SELECT_WHOLE, offsetAddress(leftAddress, k)));
        }
    if (saveBX)
        for (int k = 0; k < 2; k++) {
            call.push_back(makeInstruction(program, OP_PLA));
            call.push_back(makeInstruction(program, OP_STA, MODE_DIRECT, SELECT_WHOLE, offsetAddress(bx, k)));
        }
    if (reloadA)
        call.push_back(loadByte(offsetAddress(leftAddress, width - 1)));
    return call;
}

// Replaces the loop by the call (applied when the region's edits commit).
void replaceLoop(Region& region, const Match& match, std::vector<Line> call, const std::vector<int>& keptSetUp,
                 int marker)
{
    call.back().number = marker;
    for (int i : match.lines)
        if (std::find(keptSetUp.begin(), keptSetUp.end(), i) == keptSetUp.end())
            deleteLine(region, i);
    for (const Line& line : call) {
        if (keptSetUp.empty())
            insertBefore(region, match.first, line);
        else
            insertAfter(region, keptSetUp.back(), line);
    }
}

std::vector<Found> findLoops(const Program& program, const Region& region)
{
    std::vector<Found> found;
    std::vector<bool> used(region.lines.size(), false);
    for (const Idiom& idiom : IDIOMS) {
        const HelperContract* helper = findHelper(program, idiom.helper);
        if (!helper)
            continue;
        std::vector<Pattern> patterns = readIdiom(program, idiom.lines);
        for (int start = 0; start < static_cast<int>(region.lines.size()); start++) {
            Match match;
            if (used[start] || region.lines[start].source.kind == LINE_COMMENT ||
                !matchAt(program, region, patterns, start, match) || !labelsPrivate(region, match))
                continue;
            for (int i = match.first; i <= match.last; i++)
                used[i] = true;
            found.push_back(Found{&idiom, helper, match});
            start = match.last;
        }
    }
    return found;
}

} // namespace

bool passHelperCalls(Context& context)
{
    Program& program = context.program;
    Region& region = context.region;
    if (!program.hasBlock)
        return false;
    std::vector<Found> found = findLoops(program, region);
    if (found.empty())
        return false;
    // The loops read work bytes whose values they shift out unused (the
    // quotient's), so each looks live to the others: the calls are tried
    // all together, and liveness is judged on the program with all of them,
    // dropping any whose differences someone reads, until none does.
    std::vector<bool> chosen(found.size(), true);
    std::vector<LocSet> liveAfter(found.size(), 0);
    for (bool settled = false; !settled;) {
        Region trial = region;
        std::vector<int> kept;
        for (size_t i = 0; i < found.size(); i++)
            if (chosen[i])
                replaceLoop(trial, found[i].match, makeCall(program, trial, found[i], true, true, kept), kept,
                            -static_cast<int>(i) - 1);
        commitEdits(trial);
        Context trialContext{program, trial, {}, {}, {}};
        analyze(trialContext);
        settled = true;
        for (size_t at = 0; at < trial.lines.size(); at++) {
            int number = trial.lines[at].number;
            if (number >= 0)
                continue;
            size_t i = static_cast<size_t>(-number - 1);
            liveAfter[i] = trialContext.liveness.after[at];
            if (liveAfter[i] & differences(found[i])) {
                chosen[i] = false;
                settled = false;
            }
        }
        freeValues(trialContext.values);
    }
    bool changed = false;
    for (size_t i = 0; i < found.size(); i++) {
        if (!chosen[i])
            continue;
        int left = found[i].match.bytes.at("L");
        bool saveBX = left != BL && (liveAfter[i] & found[i].helper->writes & bytesOf(BL, 2));
        bool reloadA = liveAfter[i] & (bit(LOC_A) | bit(LOC_Z) | bit(LOC_N));
        std::vector<int> kept;
        std::vector<Line> call = makeCall(program, region, found[i], saveBX, reloadA, kept);
        replaceLoop(region, found[i].match, call, kept, 0);
        changed = true;
    }
    return changed;
}
