// --run: the program on the sim65 simulator. The start-up leaves the
// simulator with the low byte of BX as exit status, after writing both
// bytes of BX and a colon to standard output; sim65 -c then prints
// "N cycles".
#include <cstdint>
#include <cstring>

#include "cc.h"

namespace {

// The address of a label in ld65's label file, or -1.
long labelAddress(const std::string& labelsPath, const std::string& label)
{
    std::string text = readFile(labelsPath, EXIT_SIMULATOR);
    std::string wanted = " ." + label + "\n";
    size_t found = text.find(wanted);
    if (found == std::string::npos)
        return -1;
    size_t lineStart = text.rfind('\n', found);
    lineStart = lineStart == std::string::npos ? 0 : lineStart + 1;
    // "al 00A0F3 .q_brk"
    return strtol(text.c_str() + lineStart + 3, nullptr, 16);
}

} // namespace

int simulate(const Options& options, const std::string& binaryPath)
{
    std::vector<std::string> errors;
    std::string outputPath = workFile("sim.out");
    auto collect = [&](const std::string& line) { errors.push_back(line); };
    std::vector<std::string> arguments{"sim65", "-c", "-x", std::to_string(options.cycleLimit), binaryPath};
    int status = runProgram(arguments, "", collect, EXIT_SIMULATOR, outputPath);
    for (const std::string& line : errors) {
        if (line.find("Maximum number of cycles reached") != std::string::npos)
            fail(EXIT_LIMIT, "cycle limit of {} reached: the program did not end", options.cycleLimit);
    }
    // The output ends with the two bytes of BX, a colon and the line
    // "N cycles": the colon tells where the count begins even when a byte of
    // BX is a digit.
    std::string output = readFile(outputPath, EXIT_SIMULATOR);
    const std::string suffix = " cycles\n";
    size_t digits = output.size() >= suffix.size() ? output.size() - suffix.size() : 0;
    bool understood = errors.empty() && output.size() > suffix.size() &&
                      output.compare(digits, suffix.size(), suffix) == 0;
    size_t end = digits;
    while (digits > 0 && isdigit(static_cast<unsigned char>(output[digits - 1])) && end - digits < 19)
        digits--;
    understood = understood && digits < end && digits >= 3 && output[digits - 1] == ':';
    if (!understood) {
        for (const std::string& line : errors)
            showLine(line);
        long brk = labelAddress(workFile("program.labels"), "q_brk");
        std::string trap = fmt::format("Illegal opcode $02 at address ${:04X}", brk);
        for (const std::string& line : errors) {
            if (brk >= 0 && line.find(trap) != std::string::npos)
                fail(EXIT_SIMULATOR, "the program executed BRK");
        }
        fail(EXIT_SIMULATOR, "the simulator stopped with status {}", status);
    }
    unsigned long long cycles = std::stoull(output.substr(digits, end - digits));
    unsigned bx = static_cast<unsigned char>(output[digits - 3]) |
                  static_cast<unsigned char>(output[digits - 2]) << 8;
    fmt::print("result: {}\ncycles: {}\nbx: {} unsigned, {} signed\n", status & 0xFF, cycles, bx,
               static_cast<int16_t>(bx));
    return EXIT_OK;
}
