// Where a program lives on each target, and whether it fits there.
//
// sim6502    one block from the origin up to the simulator's hooks at $FFF0
//            (runtime/sim65.cfg): code, data and the start-up.
// rom        an image of --rom-size bytes ending at $FFFF (runtime/rom.cfg):
//            code from the origin, the start-up, the initial values of the
//            variables, and the vectors at $FFFA; variables in the RAM from
//            $0200 (or the RAM's start, when higher) to the RAM's end.
// rom-sim65  the same, ending at $FFF0, as a sim65 program (runtime/rom-sim65.cfg).
#include <map>

#include "cc.h"
#include "dialect.h"

namespace {

// The sim65 simulator's hooks (and the 6502 vectors) take the top 16 bytes.
constexpr unsigned SIM65_HOOKS = 0xFFF0;
constexpr unsigned VECTORS = 0xFFFA;
// Variables start above the stack page.
constexpr unsigned FIRST_VARIABLE = 0x0200;

// The address after the last byte of the ROM that the program may use.
unsigned endOfRom(const Options& options)
{
    return options.target == Target::ROM_SIM65 ? SIM65_HOOKS : VECTORS;
}

unsigned firstVariable(const Options& options) { return std::max(FIRST_VARIABLE, options.ramStart); }

// The lines of a file in the compiler's dialect, read by the shared reader.
std::vector<SourceLine> readProgram(const std::string& path, ExitStatus failStatus)
{
    std::vector<SourceLine> result;
    for (std::string& line : splitLines(readFile(path, failStatus))) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        result.push_back(readSourceLine(line));
    }
    return result;
}

// A 16-bit address written as a plain number ($hhhh or decimal).
bool address(const std::string& text, unsigned& value)
{
    long long number;
    if (!parseInteger(text, number) || number < 0 || number > 0xFFFF)
        return false;
    value = static_cast<unsigned>(number);
    return true;
}

} // namespace

ProgramLayout readLayout(const std::string& asmPath)
{
    ProgramLayout layout;
    std::vector<SourceLine> program = readProgram(asmPath, EXIT_BUILD);
    for (size_t i = 0; i < program.size(); i++) {
        const SourceLine& line = program[i];
        if (line.kind == LINE_EQUATE && line.label == "DIVISOR_PRODUCT")
            address(line.operand, layout.registerBlock);
        if (line.kind != LINE_ORIGIN || !address(line.operand, layout.origin))
            continue;
        // The compiler's stack set-up, LDX #>$hhhh and TXS, follows the origin.
        if (i + 2 < program.size() && program[i + 1].kind == LINE_INSTRUCTION &&
            upperCase(program[i + 1].operation) == "LDX" && upperCase(program[i + 2].operation) == "TXS") {
            Operand operand = readOperand("LDX", program[i + 1].operand);
            layout.stackSet = operand.mode == MODE_IMMEDIATE && operand.select == SELECT_LOW &&
                              address(operand.expression, layout.stack);
        }
        return layout;
    }
    fail(EXIT_BUILD, "{} has no ORG line", asmPath);
}

unsigned romStart(const Options& options) { return 0x10000 - options.romSize; }

std::vector<std::string> romSwitches(const Options& options)
{
    return {fmt::format("-V:{:04X}", options.zeroPage), "-R", fmt::format("-B:{:04X}", romStart(options))};
}

std::vector<std::string> linkerArguments(const Options& options, const ProgramLayout& layout)
{
    std::string runtime = runtimeFolder();
    if (options.target == Target::SIM6502)
        return {"-C", runtime + "/sim65.cfg", "-S", fmt::format("${:04X}", layout.origin)};
    const char* config = options.target == Target::ROM ? "/rom.cfg" : "/rom-sim65.cfg";
    return {"-C",
            runtime + config,
            "-D",
            fmt::format("q_rom_start=${:04X}", romStart(options)),
            "-D",
            fmt::format("q_code_start=${:04X}", layout.origin),
            "-D",
            fmt::format("q_vars_start=${:04X}", firstVariable(options)),
            "-D",
            fmt::format("q_vars_end=${:04X}", options.ramEnd + 1)};
}

void checkPlacement(const Options& options, const ProgramLayout& layout)
{
    if (options.target == Target::SIM6502) {
        if (layout.origin >= SIM65_HOOKS)
            fail(EXIT_BUILD, "the origin ${:04X} lies in the simulator's hooks ($FFF0-$FFFF)", layout.origin);
        return;
    }
    if (layout.origin < romStart(options) || layout.origin >= endOfRom(options))
        fail(EXIT_BUILD, "the origin ${:04X} lies outside the ROM ${:04X}-${:04X}", layout.origin,
             romStart(options), endOfRom(options) - 1);
    if (layout.registerBlock + 32 > 0x100 || layout.registerBlock < options.ramStart)
        fail(EXIT_BUILD,
             "the register block ${:04X}-${:04X} must lie in page zero and in the RAM ${:04X}-${:04X}",
             layout.registerBlock, layout.registerBlock + 31, options.ramStart, options.ramEnd);
}

void checkFit(const Options& options, const ProgramLayout& layout, const std::string& objectPath)
{
    // od65 lists "    NAME:   size" for every segment of the object.
    std::map<std::string, unsigned long> sizes;
    auto readSize = [&](const std::string& line) {
        size_t colon = line.find(':');
        if (line.compare(0, 4, "    ") == 0 && colon != std::string::npos)
            sizes[line.substr(4, colon - 4)] = strtoul(line.c_str() + colon + 1, nullptr, 10);
    };
    if (runProgram({"od65", "--dump-segsize", objectPath}, "", readSize, EXIT_BUILD) != 0)
        fail(EXIT_BUILD, "od65 could not read the sizes of {}", objectPath);
    unsigned long code = sizes["CODE"] + sizes["RODATA"] + sizes["STARTUP"];
    unsigned long data = sizes["DATA"];
    unsigned long cleared = sizes["BSS"];
    if (options.target == Target::SIM6502) {
        unsigned long used = code + data + cleared;
        unsigned long room = SIM65_HOOKS - layout.origin;
        if (used > room)
            fail(EXIT_BUILD,
                 "the program does not fit in memory: it takes {} bytes from its origin ${:04X}, {} bytes "
                 "more than the {} below the simulator's hooks at $FFF0",
                 used, layout.origin, used - room, room);
        return;
    }
    std::vector<std::string> problems;
    unsigned long romUsed = code + data;
    unsigned long romRoom = endOfRom(options) - layout.origin;
    if (romUsed > romRoom)
        problems.push_back(fmt::format(
            "code and initial values take {} bytes of ROM from ${:04X}, {} bytes more than the {} "
            "up to ${:04X}",
            romUsed, layout.origin, romUsed - romRoom, romRoom, endOfRom(options) - 1));
    unsigned long ramUsed = data + cleared;
    unsigned long ramEnd = options.ramEnd + 1ul;
    unsigned long ramRoom = ramEnd > firstVariable(options) ? ramEnd - firstVariable(options) : 0;
    if (ramUsed > ramRoom)
        problems.push_back(fmt::format(
            "variables take {} bytes of RAM from ${:04X}, {} bytes more than the {} up to ${:04X}", ramUsed,
            firstVariable(options), ramUsed - ramRoom, ramRoom, options.ramEnd));
    if (problems.size() == 1)
        fail(EXIT_BUILD, "the program does not fit: {}", problems[0]);
    if (problems.size() == 2)
        fail(EXIT_BUILD, "the program does not fit: {}; {}", problems[0], problems[1]);
}

void checkEquatedVariables(const Options& options, const std::string& asmPath, const std::string& sizesPath)
{
    // Compiled with -R, every variable is data: NAME: DFB|DW|DD value, or NAME DS count.
    std::map<std::string, unsigned long> sizes;
    for (const SourceLine& line : readProgram(sizesPath, EXIT_COMPILE)) {
        if (line.kind != LINE_DATA || line.label.empty())
            continue;
        std::string directive = upperCase(line.operation);
        long long count = 0;
        if (directive == "DS" && parseInteger(line.operand, count))
            sizes[line.label] = static_cast<unsigned long>(count);
        else
            sizes[line.label] = directive == "DW" ? 2 : directive == "DD" ? 4 : 1;
    }
    // Compiled with -V, the same names are equates to their RAM addresses.
    for (const SourceLine& line : readProgram(asmPath, EXIT_COMPILE)) {
        unsigned first;
        if (line.kind != LINE_EQUATE || !sizes.count(line.label) || !address(line.operand, first))
            continue;
        unsigned long last = first + std::max(sizes[line.label], 1ul) - 1;
        if (first <= 0x01FF && last >= 0x0100)
            fail(EXIT_BUILD, "the variable {} (${:04X}-${:04X}) overlaps the stack page $0100-$01FF", line.label,
                 first, last);
        if (first < options.ramStart || last > options.ramEnd)
            fail(EXIT_BUILD, "the variable {} (${:04X}-${:04X}) lies outside the RAM ${:04X}-${:04X}", line.label,
                 first, last, options.ramStart, options.ramEnd);
    }
}
