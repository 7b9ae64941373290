// The command line of quarn-cc. The compiler's own switches (-B:hhhh -C -I
// -O -R -S:hhhh -V:hhhh) pass through unchanged and in order; a path that
// begins with / is a path, never a switch.
#include <cstring>

#include "cc.h"

namespace {

// Reads a number written $hex, 0xhex or decimal; false when it is not one
// or is larger than limit.
bool parseNumber(const std::string& text, unsigned long limit, unsigned long& value)
{
    std::string digits = text;
    int base = 10;
    if (!digits.empty() && digits[0] == '$') {
        digits = digits.substr(1);
        base = 16;
    } else if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        digits = digits.substr(2);
        base = 16;
    }
    if (digits.empty() || digits.size() > 12)
        return false;
    value = 0;
    for (char c : digits) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return false;
        value = value * base + digit;
    }
    return value <= limit;
}

unsigned address(const std::string& option, const std::string& text)
{
    unsigned long value;
    if (!parseNumber(text, 0xFFFF, value))
        fail(EXIT_USAGE, "{} {}: expected an address from $0000 to $FFFF", option, text);
    return static_cast<unsigned>(value);
}

// The value of an option given as --name=value, --name value or, for the
// one-letter options, -Xvalue and -X value.
struct ArgumentReader {
    int argc;
    char** argv;
    int index = 1;

    std::string value(const std::string& option, const char* joined)
    {
        if (joined && *joined)
            return joined;
        if (index + 1 >= argc)
            fail(EXIT_USAGE, "{} needs a value", option);
        return argv[++index];
    }
};

// "--name=value" and "--name value" both name the option --name.
bool longOption(const char* argument, const char* name, const char*& joined)
{
    size_t length = strlen(name);
    if (strncmp(argument, name, length) != 0)
        return false;
    if (argument[length] == '\0') {
        joined = nullptr;
        return true;
    }
    if (argument[length] == '=') {
        joined = argument + length + 1;
        if (!*joined)
            fail(EXIT_USAGE, "{} needs a value", name);
        return true;
    }
    return false;
}

void checkRomLayout(Options& options)
{
    if (options.target == Target::SIM6502) {
        if (options.romOptionGiven)
            fail(EXIT_USAGE, "--rom-size, --ram and --zp apply to --target rom and rom-sim65 only");
        return;
    }
    if (options.ramStart > 0x0100 || options.ramEnd < 0x01FF)
        fail(EXIT_USAGE, "--ram ${:04X}-${:04X} must hold the stack page $0100-$01FF", options.ramStart,
             options.ramEnd);
    if (options.zeroPage + 32 > 0x100 || options.zeroPage < options.ramStart)
        fail(EXIT_USAGE, "--zp ${:04X}: the 32-byte register block must lie in page zero and in the RAM",
             options.zeroPage);
    unsigned start = romStart(options);
    if (start <= options.ramEnd)
        fail(EXIT_USAGE, "the ROM ${:04X}-$FFFF overlaps the RAM ${:04X}-${:04X}", start, options.ramStart,
             options.ramEnd);
    // The ROM holds at least the start-up and the vectors.
    unsigned end = options.target == Target::ROM_SIM65 ? 0xFFF0 : 0x10000;
    if (start + 256 > end)
        fail(EXIT_USAGE, "--rom-size {}: the ROM must end at least 256 bytes above its start ${:04X}",
             options.romSize, start);
}

// The default output: the input's name without its folder and its .c or
// .asm, with .rom for a ROM image and .bin for a simulator program.
std::string defaultOutput(const Options& options)
{
    std::string name = options.input;
    size_t slash = name.rfind('/');
    if (slash != std::string::npos)
        name = name.substr(slash + 1);
    for (const char* extension : {".c", ".asm"}) {
        size_t length = strlen(extension);
        if (name.size() > length && name.compare(name.size() - length, length, extension) == 0) {
            name = name.substr(0, name.size() - length);
            break;
        }
    }
    return name + (options.target == Target::ROM ? ".rom" : ".bin");
}

bool endsWith(const std::string& text, const char* suffix)
{
    size_t length = strlen(suffix);
    return text.size() >= length && text.compare(text.size() - length, length, suffix) == 0;
}

} // namespace

void printUsage()
{
    fmt::print(
        "usage: {} [options] prog.c|prog.asm\n"
        "  -o FILE             write the program to FILE\n"
        "  --target NAME       sim6502 (default), rom, or rom-sim65 (the ROM layout on sim65)\n"
        "  --run               run the program on sim65; print result, cycles and bx\n"
        "  --limit N           stop the simulator after N cycles (200000000)\n"
        "  --opt               improve the program with quarn-opt\n"
        "  --disable=NAME      --opt without that optimization (man quarn-opt)\n"
        "  --cpp               run the C preprocessor first; with -D NAME[=VALUE],\n"
        "                      -U NAME and --include-dir DIR\n"
        "  --rom-size N        bytes of ROM, ending at $FFFF (32768)\n"
        "  --ram START-END     the board's RAM ($0000-$3FFF)\n"
        "  --zp ADDR           the register block in page zero ($0000)\n"
        "  --asm               the input is assembly in the compiler's dialect\n"
        "  --keep DIR          keep the intermediate files in DIR\n"
        "  -B:hhhh -C -I -O -R -S:hhhh -V:hhhh   the compiler's switches (man quarn)\n",
        programName);
}

Options parseOptions(int argc, char** argv)
{
    Options options;
    if (programName == "quarn-run")
        options.run = true;
    ArgumentReader reader{argc, argv};
    bool onlyFiles = false;
    std::vector<std::string> inputs;
    for (; reader.index < argc; reader.index++) {
        const char* argument = argv[reader.index];
        const char* joined = nullptr;
        if (onlyFiles || argument[0] != '-' || argument[1] == '\0') {
            inputs.push_back(argument);
        } else if (strcmp(argument, "--") == 0) {
            onlyFiles = true;
        } else if (strcmp(argument, "-h") == 0 || strcmp(argument, "--help") == 0) {
            printUsage();
            exit(EXIT_OK);
        } else if (strcmp(argument, "-o") == 0) {
            options.output = reader.value("-o", nullptr);
        } else if (longOption(argument, "--target", joined)) {
            std::string name = reader.value("--target", joined);
            if (name == "sim6502")
                options.target = Target::SIM6502;
            else if (name == "rom")
                options.target = Target::ROM;
            else if (name == "rom-sim65")
                options.target = Target::ROM_SIM65;
            else
                fail(EXIT_USAGE, "--target {}: expected sim6502, rom or rom-sim65", name);
        } else if (strcmp(argument, "--run") == 0) {
            options.run = true;
        } else if (longOption(argument, "--limit", joined)) {
            std::string text = reader.value("--limit", joined);
            if (!parseNumber(text, 0xFFFFFFFFul, options.cycleLimit) || options.cycleLimit == 0)
                fail(EXIT_USAGE, "--limit {}: the cycle limit must be a number from 1 to 4294967295", text);
        } else if (longOption(argument, "--keep", joined)) {
            options.keepDir = reader.value("--keep", joined);
        } else if (strcmp(argument, "--opt") == 0) {
            options.optimize = true;
        } else if (strncmp(argument, "--disable=", 10) == 0) {
            // quarn-opt checks the name; switching one off implies the rest.
            options.optimize = true;
            options.optDisable.push_back(argument);
        } else if (strcmp(argument, "--cpp") == 0) {
            options.preprocess = true;
        } else if (strncmp(argument, "-D", 2) == 0 || strncmp(argument, "-U", 2) == 0) {
            std::string name = reader.value(std::string(argument, 2), argument + 2);
            options.cppArguments.push_back(std::string(argument, 2) + name);
        } else if (longOption(argument, "--include-dir", joined)) {
            options.cppArguments.push_back("-I");
            options.cppArguments.push_back(reader.value("--include-dir", joined));
        } else if (longOption(argument, "--rom-size", joined)) {
            std::string text = reader.value("--rom-size", joined);
            unsigned long size;
            if (!parseNumber(text, 0x10000, size) || size == 0)
                fail(EXIT_USAGE, "--rom-size {}: expected a number of bytes from 1 to 65536", text);
            options.romSize = static_cast<unsigned>(size);
            options.romOptionGiven = true;
        } else if (longOption(argument, "--ram", joined)) {
            std::string text = reader.value("--ram", joined);
            size_t dash = text.find('-');
            if (dash == std::string::npos)
                fail(EXIT_USAGE, "--ram {}: expected START-END, such as $0000-$3FFF", text);
            options.ramStart = address("--ram", text.substr(0, dash));
            options.ramEnd = address("--ram", text.substr(dash + 1));
            if (options.ramEnd < options.ramStart)
                fail(EXIT_USAGE, "--ram {}: the end lies below the start", text);
            options.romOptionGiven = true;
        } else if (longOption(argument, "--zp", joined)) {
            options.zeroPage = address("--zp", reader.value("--zp", joined));
            options.romOptionGiven = true;
        } else if (strcmp(argument, "--asm") == 0) {
            options.inputIsAssembly = true;
        } else if (strchr("BCIORSV", argument[1])) {
            // -I alone is the compiler's inline multiply and divide; anything
            // after it would be silently ignored by the compiler.
            if (argument[1] == 'I' && argument[2] != '\0')
                fail(EXIT_USAGE, "{}: -I takes no folder (it is the compiler's inline multiply and "
                                 "divide); name include folders with --include-dir",
                     argument);
            options.compilerSwitches.push_back(argument);
        } else {
            fail(EXIT_USAGE, "unknown option {} (--help lists them)", argument);
        }
    }
    if (inputs.size() != 1) {
        if (inputs.empty())
            fail(EXIT_USAGE, "no input file (--help lists the options)");
        fail(EXIT_USAGE, "one input file expected, got {}: {} and {}", inputs.size(), inputs[0], inputs[1]);
    }
    options.input = inputs[0];
    if (endsWith(options.input, ".asm"))
        options.inputIsAssembly = true;
    if (options.inputIsAssembly && options.preprocess)
        fail(EXIT_USAGE, "--cpp applies to C sources, not to {}", options.input);
    if (!options.preprocess && !options.cppArguments.empty())
        fail(EXIT_USAGE, "-D, -U and --include-dir need --cpp");
    if (options.run && options.target == Target::ROM)
        fail(EXIT_USAGE, "--run needs --target sim6502 or rom-sim65: a ROM image runs on the board");
    checkRomLayout(options);
    if (options.output.empty() && !options.run)
        options.output = defaultOutput(options);
    return options;
}
