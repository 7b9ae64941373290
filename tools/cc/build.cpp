// The steps from the source to a linked binary: compile, optimize, bridge,
// assemble, link.
#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <set>

#include "cc.h"
#include "dialect.h"

namespace {

// The compiler prints this banner (after a blank line) on every run; the
// driver does not repeat it (quarn-cc --version shows it).
constexpr const char* BANNER_START = "Velmora C Compiler (Quarn) version ";

// Hands on the compiler's lines: without the banner and its blank line,
// with line numbers mapped back through cpp's markers.
struct CompilerLines {
    bool bannerSeen = false;
    bool holdingBlank = false;

    void operator()(const std::string& line)
    {
        if (!bannerSeen && line.compare(0, strlen(BANNER_START), BANNER_START) == 0) {
            bannerSeen = true;
            holdingBlank = false;
            return;
        }
        if (holdingBlank)
            showLine("");
        holdingBlank = !bannerSeen && line.empty();
        if (!holdingBlank)
            showLine(mapLineNumber(line));
    }
    void finish()
    {
        if (holdingBlank)
            showLine("");
    }
};

std::string absolutePath(const std::string& path)
{
    if (path[0] == '/')
        return path;
    char folder[PATH_MAX];
    if (!getcwd(folder, sizeof folder))
        fail(EXIT_COMPILE, "cannot tell the current folder: {}", strerror(errno));
    return std::string(folder) + "/" + path;
}

// The compiler reads an argument that begins with / as a switch: it runs
// in / and gets each path relative to it, as ./path.
std::string fromRoot(const std::string& path)
{
    std::string relative = ".";
    relative += absolutePath(path);
    return relative;
}

// Runs the compiler; its messages are shown unless quiet.
int compile(const std::vector<std::string>& switches, const std::string& source, const std::string& output,
            bool quiet = false)
{
    std::vector<std::string> arguments{programFolder() + "/quarn"};
    arguments.insert(arguments.end(), switches.begin(), switches.end());
    arguments.push_back(fromRoot(source));
    arguments.push_back(fromRoot(output));
    CompilerLines lines;
    auto show = [&](const std::string& line) {
        if (!quiet)
            lines(line);
    };
    int status = runProgram(arguments, "/", show, EXIT_COMPILE);
    if (!quiet)
        lines.finish();
    return status;
}

// True when the last of -V and -R among the switches is -V: variables are
// then equates to RAM addresses instead of data in the code.
bool variablesByEquates(const std::vector<std::string>& switches)
{
    bool equates = false;
    for (const std::string& item : switches) {
        if (item.size() >= 2 && (item[1] == 'V' || item[1] == 'R'))
            equates = item[1] == 'V';
    }
    return equates;
}

// The routines a file defines: labels Z... EQU *.
std::set<std::string> definedRoutines(const std::string& path)
{
    std::set<std::string> names;
    for (const std::string& text : splitLines(readFile(path, EXIT_BUILD))) {
        SourceLine line = readSourceLine(text);
        if (line.kind == LINE_LABEL && !line.labelColon && line.label.size() > 1 && line.label[0] == 'Z')
            names.insert(line.label);
    }
    return names;
}

// True when the text names the routine as a whole word, as JSR ZMUL8HELPER does.
bool mentions(const std::string& text, const std::string& routine)
{
    for (size_t at = text.find(routine); at != std::string::npos; at = text.find(routine, at + 1)) {
        size_t after = at + routine.size();
        if ((at == 0 || !isNameChar(text[at - 1])) && (after == text.size() || !isNameChar(text[after])))
            return true;
    }
    return false;
}

// The runtime routines to bridge with the program: every runtime/*.asm
// except one that defines a routine the program defines itself (a source
// function mul8helper is the routine ZMUL8HELPER), and in a ROM, where room
// counts, except one whose routines the program does not call.
std::vector<std::string> runtimeRoutines(const std::string& asmPath, bool calledOnly)
{
    std::set<std::string> own = definedRoutines(asmPath);
    std::string program = calledOnly ? readFile(asmPath, EXIT_BUILD) : "";
    std::vector<std::string> files;
    DIR* folder = opendir(runtimeFolder().c_str());
    if (!folder)
        fail(EXIT_BUILD, "cannot read the runtime {}: {}", runtimeFolder(), strerror(errno));
    while (dirent* entry = readdir(folder)) {
        std::string name = entry->d_name;
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".asm") == 0)
            files.push_back(runtimeFolder() + "/" + name);
    }
    closedir(folder);
    std::sort(files.begin(), files.end());
    std::erase_if(files, [&](const std::string& file) {
        std::set<std::string> routines = definedRoutines(file);
        auto ownOrUncalled = [&](const std::string& routine) {
            return own.count(routine) > 0 || (calledOnly && !mentions(program, routine));
        };
        return std::all_of(routines.begin(), routines.end(), ownOrUncalled) ||
               std::any_of(routines.begin(), routines.end(),
                           [&](const std::string& routine) { return own.count(routine) > 0; });
    });
    return files;
}

// Runs a build step whose messages are shown only when it fails.
void buildStep(const std::vector<std::string>& arguments, const std::string& folder,
               const std::string& failure)
{
    std::vector<std::string> messages;
    int status = runProgram(arguments, folder, [&](const std::string& line) { messages.push_back(line); },
                            EXIT_BUILD);
    if (status != 0) {
        for (const std::string& line : messages)
            showLine(line);
        fail(EXIT_BUILD, "{}", failure);
    }
}

} // namespace

namespace {

// The compiler's output for the source, in the work folder.
std::string compileSource(const Options& options)
{
    std::string source = options.preprocess ? preprocess(options) : options.input;
    std::vector<std::string> switches;
    if (options.target != Target::SIM6502)
        switches = romSwitches(options);
    switches.insert(switches.end(), options.compilerSwitches.begin(), options.compilerSwitches.end());
    std::string program = workFile("program.asm");
    int status = compile(switches, source, program);
    // Status 1 means warnings only: the program is complete.
    if (status != 0 && status != 1)
        fail(EXIT_COMPILE, "compiling {} failed (status {})", options.input, status);
    keepFile("program.asm");
    if (options.target != Target::SIM6502 && variablesByEquates(switches)) {
        // The same source with its variables in the code tells their sizes;
        // its messages were shown already.
        switches.push_back("-R");
        if (compile(switches, source, workFile("sizes.asm"), true) > 1)
            fail(EXIT_COMPILE, "compiling {} with -R failed", options.input);
        checkEquatedVariables(options, program, workFile("sizes.asm"));
    }
    return program;
}

// quarn-opt's output for the program, in the work folder.
std::string optimizeProgram(const Options& options, const std::string& program)
{
    std::string optimizer = programFolder() + "/quarn-opt";
    if (access(optimizer.c_str(), X_OK) != 0)
        fail(EXIT_BUILD, "--opt needs quarn-opt beside quarn-cc, and {} is not there", optimizer);
    std::string optimized = workFile("program.opt.asm");
    std::vector<std::string> arguments{optimizer};
    arguments.insert(arguments.end(), options.optDisable.begin(), options.optDisable.end());
    arguments.push_back(program);
    arguments.push_back(optimized);
    buildStep(arguments, "", "optimizing failed (--keep DIR keeps the compiler's output)");
    keepFile("program.opt.asm");
    return optimized;
}

} // namespace

std::string compileProgram(const Options& options)
{
    if (access(options.input.c_str(), R_OK) != 0)
        fail(EXIT_COMPILE, "cannot read {}: {}", options.input, strerror(errno));
    std::string program = options.inputIsAssembly ? options.input : compileSource(options);
    return options.optimize ? optimizeProgram(options, program) : program;
}

std::string buildBinary(const Options& options, const std::string& asmPath)
{
    ProgramLayout layout = readLayout(asmPath);
    checkPlacement(options, layout);
    // The code is placed by the linker, so that a program too large for its
    // memory reaches the size check below instead of the assembler's range
    // errors. On a ROM target the variables written in the code move to the
    // RAM, unless the user's -V made them equates already.
    std::vector<std::string> bridge{programFolder() + "/quarn-bridge", "--relocatable"};
    if (options.target != Target::SIM6502 && !variablesByEquates(options.compilerSwitches))
        bridge.push_back("--ram-variables");
    bridge.push_back("-o");
    bridge.push_back(workFile("program.s"));
    bridge.push_back(asmPath);
    for (const std::string& routine : runtimeRoutines(asmPath, options.target != Target::SIM6502))
        bridge.push_back(routine);
    buildStep(bridge, "", fmt::format("bridging {} failed", options.input));
    keepFile("program.s");

    const char* startup = options.target == Target::SIM6502 ? "startup.s" : "rom.s";
    writeWorkFile("unit.s", fmt::format(".include \"program.s\"\n.include \"{}\"\n", startup), EXIT_BUILD);
    keepFile("unit.s");
    std::vector<std::string> assemble{"ca65", "-g", "-I", workFolder(), "-I", runtimeFolder(),
                                      "-o", workFile("unit.o")};
    if (layout.stackSet) {
        assemble.push_back("-D");
        assemble.push_back(fmt::format("QUARN_STACK=${:04X}", layout.stack));
    }
    if (options.target == Target::ROM_SIM65) {
        for (const std::string& define :
             {std::string("QUARN_SIM65=1"), fmt::format("QUARN_RAM_START=${:04X}", options.ramStart),
              fmt::format("QUARN_RAM_END=${:04X}", options.ramEnd)}) {
            assemble.push_back("-D");
            assemble.push_back(define);
        }
    }
    assemble.push_back(workFile("unit.s"));
    buildStep(assemble, workFolder(), "assembling failed (--keep DIR keeps the translated source)");
    keepFile("unit.o");
    checkFit(options, layout, workFile("unit.o"));

    std::vector<std::string> link{"ld65"};
    for (const std::string& argument : linkerArguments(options, layout))
        link.push_back(argument);
    for (const char* name : {"-m", "program.map", "-Ln", "program.labels", "-o", "program.bin"}) {
        link.push_back(name[0] == '-' ? std::string(name) : workFile(name));
    }
    link.push_back(workFile("unit.o"));
    buildStep(link, workFolder(), "linking failed (--keep DIR keeps the translated source)");
    keepFile("program.map");
    keepFile("program.labels");
    keepFile("program.bin");
    return workFile("program.bin");
}
