// Reading the program: its lines through the dialect reader, the names it
// defines with their values, where the register block lies, and the address
// of every instruction operand. Writing lines back, and their sizes.
#include <cstdio>

#include <fmt/format.h>

#include "opt.h"

namespace {

// The register block as the header defines it: name and offset from its start.
struct BlockName {
    const char* name;
    int offset;
};
const BlockName BLOCK_NAMES[] = {
    {"DIVISOR_PRODUCT", 0}, {"QUOTIENT_FACTOR", 8}, {"DIVIDEND_REMAINDER", 12}, {"BP", 16}, {"BX", 18},
    {"CX", 20}, {"DX", 22}, {"AX", 24}, {"RAB", 26}, {"RCD", 28}, {"REF", 30},
};

// Deepest chain of equates naming equates that is followed.
constexpr int MAX_EQUATE_DEPTH = 64;

// The value of an equate's expression when every name in it has one.
bool evaluate(const Program& program, const std::string& text, int depth, int64_t& value)
{
    if (depth > MAX_EQUATE_DEPTH)
        return false;
    Expression expression = parseExpression(text);
    if (!expression.linear)
        return false;
    int64_t sum = 0;
    for (const Term& term : expression.terms) {
        int64_t part;
        if (term.location)
            return false;
        if (term.name.empty()) {
            part = term.value;
        } else {
            auto found = program.symbols.find(term.name);
            if (found == program.symbols.end() || found->second.kind != SYMBOL_EQUATE)
                return false;
            if (!evaluate(program, found->second.expression, depth + 1, part))
                return false;
        }
        sum += term.negative ? -part : part;
    }
    value = sum & 0xFFFF;
    return true;
}

bool defineSymbol(Program& program, const Line& line, int index, std::string& error)
{
    const SourceLine& source = line.source;
    if (source.label.empty())
        return true;
    Symbol symbol;
    symbol.line = index;
    if (source.kind == LINE_EQUATE && !source.labelColon) {
        symbol.kind = SYMBOL_EQUATE;
        symbol.expression = source.operand;
    } else if (source.kind == LINE_DATA) {
        symbol.kind = SYMBOL_DATA;
    }
    if (!program.symbols.emplace(source.label, symbol).second) {
        error = source.label + " is defined twice";
        return false;
    }
    return true;
}

void findBlock(Program& program)
{
    int64_t base = 0;
    for (const BlockName& name : BLOCK_NAMES) {
        auto found = program.symbols.find(name.name);
        if (found == program.symbols.end() || !found->second.numeric)
            return;
        if (name.offset == 0)
            base = found->second.value;
        else if (found->second.value != ((base + name.offset) & 0xFFFF))
            return;
    }
    program.hasBlock = true;
    program.blockBase = base;
    // The compiler names the temporaries beyond CX..AX R2AH..R2FH; the
    // bridge defines them as these block bytes when the program does not.
    static const char* const TEMPORARIES[] = {"R2AH", "R2BH", "R2CH", "R2DH", "R2EH", "R2FH"};
    if (program.symbols.count(TEMPORARIES[0]))
        return;
    for (int k = 0; k < 6; k++) {
        Symbol symbol;
        symbol.kind = SYMBOL_EQUATE;
        symbol.numeric = true;
        symbol.value = (base + 26 + k) & 0xFFFF;
        program.symbols.emplace(TEMPORARIES[k], symbol);
    }
}

} // namespace

void parseInstruction(const Program& program, Line& line)
{
    line.op = opFromName(line.source.operation);
    line.operand = readOperand(line.source.operation, line.source.operand);
    line.address = Address{};
    Expression expression = parseExpression(line.operand.expression);
    if (!expression.linear)
        return;
    Address address;
    int names = 0;
    for (const Term& term : expression.terms) {
        if (term.location)
            return;
        if (term.name.empty()) {
            address.offset += term.negative ? -term.value : term.value;
        } else {
            if (term.negative || ++names > 1)
                return;
            address.name = term.name;
        }
    }
    address.valid = true;
    address.offset &= 0xFFFF;
    address.numeric = address.name.empty();
    address.value = address.offset;
    bool definedBefore = true;
    if (!address.name.empty()) {
        auto found = program.symbols.find(address.name);
        if (found != program.symbols.end() && found->second.numeric) {
            address.numeric = true;
            address.value = (found->second.value + address.offset) & 0xFFFF;
            // An equate defined after its use is assembled as an absolute
            // address; the optimizer's own lines use the header's names.
            definedBefore = found->second.line < (line.number ? line.number : program.firstCodeLine);
        }
    }
    address.zeroPage = address.numeric && address.value < 0x100 && definedBefore;
    line.address = address;
}

bool readProgram(const char* fileName, Program& program, std::string& error)
{
    FILE* file = fopen(fileName, "rb");
    if (!file) {
        error = fmt::format("cannot open {}", fileName);
        return false;
    }
    std::string text;
    while (readLine(file, text)) {
        Line line;
        line.number = static_cast<int>(program.lines.size()) + 1;
        line.text = text;
        line.source = readSourceLine(text);
        std::string problem = line.source.error;
        if (problem.empty())
            defineSymbol(program, line, line.number, problem);
        if (!problem.empty()) {
            fclose(file);
            error = fmt::format("{}:{}: {}", fileName, line.number, problem);
            return false;
        }
        program.lines.push_back(std::move(line));
    }
    fclose(file);
    for (const Line& line : program.lines)
        if (line.source.kind == LINE_INSTRUCTION) {
            program.firstCodeLine = line.number;
            break;
        }
    for (auto& [name, symbol] : program.symbols)
        if (symbol.kind == SYMBOL_EQUATE)
            symbol.numeric = evaluate(program, symbol.expression, 0, symbol.value);
    findBlock(program);
    for (Line& line : program.lines) {
        if (line.source.kind != LINE_INSTRUCTION)
            continue;
        parseInstruction(program, line);
        if (!modeExists(line.op, line.operand.mode, true)) {
            error = fmt::format("{}:{}: {} has no such operand: {}", fileName, line.number, opName(line.op),
                                line.source.operand);
            return false;
        }
    }
    return true;
}

int blockByte(const Program& program, const Address& address)
{
    if (!program.hasBlock || !address.valid || !address.numeric)
        return -1;
    int64_t offset = (address.value - program.blockBase) & 0xFFFF;
    return offset < BLOCK_SIZE ? static_cast<int>(offset) : -1;
}

std::string formatAddress(const Address& address)
{
    int64_t offset = address.offset & 0xFFFF;
    if (address.name.empty())
        return offset < 0x100 ? fmt::format("${:02X}", offset) : fmt::format("${:04X}", offset);
    if (offset == 0)
        return address.name;
    // A frame operand keeps the compiler's form: $0100+NAME.
    if (offset >= 0x100 && offset < 0x200)
        return fmt::format("${:04X}+{}", offset, address.name);
    if (offset >= 0x8000)
        return fmt::format("{}-{}", address.name, 0x10000 - offset);
    return fmt::format("{}+{}", address.name, offset);
}

Address offsetAddress(const Address& address, int64_t delta)
{
    Address result = address;
    result.offset = (address.offset + delta) & 0xFFFF;
    result.value = (address.value + delta) & 0xFFFF;
    result.zeroPage = result.numeric && result.value < 0x100 && address.zeroPage;
    return result;
}

Address addressOf(const Program& program, const SymExpr& expr)
{
    Address address;
    address.valid = true;
    address.name = expr.name;
    address.offset = expr.offset & 0xFFFF;
    address.numeric = address.name.empty();
    address.value = address.offset;
    if (!address.name.empty()) {
        auto found = program.symbols.find(address.name);
        if (found != program.symbols.end() && found->second.numeric) {
            address.numeric = true;
            address.value = (found->second.value + address.offset) & 0xFFFF;
        }
    }
    bool header = address.name.empty() ||
                  (program.symbols.count(address.name) && program.symbols.at(address.name).line < program.firstCodeLine);
    address.zeroPage = address.numeric && address.value < 0x100 && header;
    return address;
}

namespace {

std::string formatOperand(const Line& line)
{
    std::string address = formatAddress(line.address);
    switch (line.operand.mode) {
    case MODE_IMPLIED:
        return "";
    case MODE_ACCUMULATOR:
        return "A";
    case MODE_IMMEDIATE:
        if (line.operand.select == SELECT_LOW)
            return "#>" + address;
        if (line.operand.select == SELECT_HIGH)
            return "#<" + address;
        return "#" + address;
    case MODE_DIRECT:
        return address;
    case MODE_DIRECT_X:
        return address + ",X";
    case MODE_DIRECT_Y:
        return address + ",Y";
    case MODE_INDIRECT:
        return "(" + address + ")";
    case MODE_INDIRECT_X:
        return "(" + address + ",X)";
    case MODE_INDIRECT_Y:
        return "(" + address + "),Y";
    }
    return "";
}

} // namespace

Line makeInstruction(Program& program, Op op, AddressMode mode, ByteSelect select, const Address& address)
{
    Line line;
    line.changed = true;
    line.op = op;
    line.operand.mode = mode;
    line.operand.select = select;
    line.address = address;
    line.source.kind = LINE_INSTRUCTION;
    line.source.operation = opName(op);
    line.source.operand = formatOperand(line);
    line.operand = readOperand(line.source.operation, line.source.operand);
    line.text = " " + line.source.operation + (line.source.operand.empty() ? "" : " " + line.source.operand);
    parseInstruction(program, line);
    return line;
}

Line makeInstruction(Program& program, Op op)
{
    return makeInstruction(program, op, MODE_IMPLIED, SELECT_WHOLE, Address{});
}

Line makeLabel(const std::string& name)
{
    Line line;
    line.changed = true;
    line.source.kind = LINE_LABEL;
    line.source.label = name;
    line.text = name + " EQU *";
    return line;
}

std::string newLabelName(Program& program)
{
    // Lower case: the compiler's names are upper case.
    for (;;) {
        std::string name = fmt::format("qo_{}", ++program.newLabels);
        if (!program.symbols.count(name)) {
            Symbol symbol;
            program.symbols.emplace(name, symbol);
            return name;
        }
    }
}

int lineSize(const Line& line)
{
    const SourceLine& source = line.source;
    if (source.kind == LINE_INSTRUCTION)
        return instructionSize(line.op, line.operand.mode, line.address.zeroPage);
    if (source.kind != LINE_DATA)
        return 0;
    std::string directive = upperCase(source.operation);
    if (directive == "DS") {
        long long count;
        return parseInteger(source.operand, count) && count >= 0 && count < 0x10000 ? static_cast<int>(count)
                                                                                   : 0x10000;
    }
    int items = 1;
    int depth = 0;
    for (char c : source.operand) {
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        items += c == ',' && depth == 0;
    }
    int width = directive == "DW" ? 2 : directive == "DD" ? 4 : 1;
    return items * width;
}

bool writeProgram(const std::vector<Region>& regions, const char* fileName, std::string& error)
{
    FILE* file = fopen(fileName, "wb");
    if (!file) {
        error = fmt::format("cannot create {}", fileName);
        return false;
    }
    for (const Region& region : regions)
        for (const Line& line : region.lines)
            fmt::print(file, "{}\n", line.text);
    if (fclose(file) != 0) {
        error = fmt::format("cannot write {}", fileName);
        return false;
    }
    return true;
}
