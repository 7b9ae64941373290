// quarn-cc: one command from a C source to a program for the sim65 simulator
// or a ROM image. It runs, in order and without a shell,
//   cpp (--cpp)  quarn  quarn-opt (--opt)  quarn-bridge  ca65  ld65  sim65 (--run)
// in a temporary folder that is removed at the end, whatever happens. Each step
// is a function of one of the files below; a failed step prints one line and
// ends the run through fail() with the status of its kind.
#pragma once

#include <fmt/format.h>

#include <functional>
#include <string>
#include <vector>

// Exit statuses, documented in docs/quarn-cc.1.
enum ExitStatus {
    EXIT_OK = 0,
    EXIT_COMPILE = 1,    // the source could not be read, preprocessed or compiled
    EXIT_BUILD = 2,      // optimizing, bridging, assembling, linking, or it does not fit
    EXIT_LIMIT = 3,      // --run: the cycle limit was reached
    EXIT_SIMULATOR = 4,  // --run: the simulator stopped on an error or a BRK
    EXIT_USAGE = 5,      // a wrong command line
    EXIT_OUTPUT = 6,     // -o or --keep could not be written
};

enum class Target { SIM6502, ROM, ROM_SIM65 };

struct Options {
    Target target = Target::SIM6502;
    std::string input;
    bool inputIsAssembly = false;
    std::string output;  // empty: derived from the input, or none with --run
    bool run = false;
    unsigned long cycleLimit = 200000000;
    std::string keepDir;
    bool optimize = false;
    std::vector<std::string> optDisable;  // --disable=NAME for quarn-opt, in order
    bool preprocess = false;
    std::vector<std::string> cppArguments;    // -D, -U, -I for cpp, in order
    std::vector<std::string> compilerSwitches;  // passed to quarn unchanged
    unsigned romSize = 0x8000;
    unsigned ramStart = 0x0000;
    unsigned ramEnd = 0x3FFF;
    unsigned zeroPage = 0x0000;
    bool romOptionGiven = false;
};

// The name this program was called by ("quarn-cc", or "quarn-run", which
// implies --run); every message starts with it.
extern std::string programName;

// Prints "NAME: message" on standard error and ends the run with status,
// after removing the temporary folder.
[[noreturn]] void failWith(ExitStatus status, const std::string& message);
template <typename... T>
[[noreturn]] void fail(ExitStatus status, fmt::format_string<T...> format, T&&... args)
{
    failWith(status, fmt::format(format, std::forward<T>(args)...));
}
// Writes one line, as given, to standard error.
void showLine(const std::string& line);

// options.cpp
Options parseOptions(int argc, char** argv);
void printUsage();

// process.cpp
// The folder of this program (from /proc/self/exe), where the other programs
// are found, and the runtime folder (share/quarn/runtime beside the
// installed programs, or the build folder's runtime link).
std::string programFolder();
std::string runtimeFolder();
// Runs a program (a path, or a name looked up in PATH) in folder, with
// standard input from /dev/null. Its standard output and standard error go
// through one pipe, so onLine receives their lines in the order written;
// with stdoutFile, standard output goes to that file instead. Returns the
// exit status, or 128 + the signal that ended it. A program that cannot be
// started ends the run with failStatus and a line that names it.
int runProgram(const std::vector<std::string>& arguments, const std::string& folder,
               const std::function<void(const std::string&)>& onLine, ExitStatus failStatus,
               const std::string& stdoutFile = "");
// Stops a running program when this one is interrupted.
void stopChild();

// files.cpp
// The temporary folder of this run, created on first use.
const std::string& workFolder();
// Path of a file in the work folder.
std::string workFile(const std::string& name);
void removeWorkFolder();
// Cleans up and ends on SIGINT, SIGTERM and SIGHUP.
void installSignalHandlers();
std::string readFile(const std::string& path, ExitStatus failStatus);
// The lines of a text without their newlines; text after the last newline
// is a line too.
std::vector<std::string> splitLines(const std::string& text);
// Writes a file of the work folder; a failure ends the run with failStatus.
void writeWorkFile(const std::string& name, const std::string& text, ExitStatus failStatus);
// Writes bytes to a file the user named without ever leaving it half
// written: a regular file is written beside it and renamed over it, a
// device (-o /dev/null) is written as it is and never removed. Ends the run
// with EXIT_OUTPUT on failure.
void writeUserFile(const std::string& path, const std::string& bytes);
// --keep: creates the folder now, so that a bad name fails before any work,
// and copies finished intermediate files into it at the end.
void prepareKeepFolder(const std::string& folder);
void keepFile(const std::string& name);
void copyKeptFiles(const std::string& folder);

// preprocess.cpp
// Runs cpp on the source into the work folder's program.i and reads its
// line markers. Returns the path of program.i.
std::string preprocess(const Options& options);
// A compiler line with "line N: " rewritten to the file and line the user
// wrote ("prog.c:12: "), when cpp ran; otherwise the line as it is.
std::string mapLineNumber(const std::string& line);

// build.cpp
// Compiles (or takes) the source and returns the path of the program in the
// compiler's dialect, optimized when asked.
std::string compileProgram(const Options& options);
// Bridges, assembles and links the program; returns the path of the binary.
std::string buildBinary(const Options& options, const std::string& asmPath);

// layout.cpp
// What the compiler's output says about where the program lives.
struct ProgramLayout {
    unsigned origin = 0x2000;
    bool stackSet = false;
    unsigned stack = 0;
    unsigned registerBlock = 0x00E0;
};
ProgramLayout readLayout(const std::string& asmPath);
// Compiler switches that place a ROM program: register block in page zero,
// variables in the code (moved to RAM by the bridge), origin at the ROM.
std::vector<std::string> romSwitches(const Options& options);
unsigned romStart(const Options& options);
// The ld65 arguments that choose the target's configuration (runtime/*.cfg)
// and its addresses.
std::vector<std::string> linkerArguments(const Options& options, const ProgramLayout& layout);
// The origin must lie in the target's memory, and on a ROM target the
// register block in page zero and in the RAM.
void checkPlacement(const Options& options, const ProgramLayout& layout);
// Segment sizes of an object file (od65), checked against the room the
// target has; one line that says what does not fit and by how much.
void checkFit(const Options& options, const ProgramLayout& layout, const std::string& objectPath);
// With the user's own -V on a ROM target: the register block and every
// equated variable must lie in the RAM, outside the stack page.
void checkEquatedVariables(const Options& options, const std::string& asmPath,
                           const std::string& sizesPath);

// simulate.cpp
// Runs a sim65 program and prints result, cycles and BX; returns the status.
int simulate(const Options& options, const std::string& binaryPath);
