// quarn-opt [--stats] [--disable=NAME...] input.asm output.asm: optimizes a
// program in the compiler's assembly dialect. A path may begin with /.
// Exit status 0, or 1 when the input could not be read (a line that is not
// the dialect is reported with its number), the output not written, or the
// command line is wrong.
#include <cstring>

#include <fmt/format.h>

#include "opt.h"

namespace {

int usage()
{
    fmt::print(stderr, "usage: quarn-opt [--stats] [--disable=NAME...] input.asm output.asm\n");
    fmt::print(stderr, "optimizations (names for --disable):\n");
    for (int pass = 0; pass < PASS_COUNT; pass++)
        fmt::print(stderr, "  {:16} {}\n", PASSES[pass].name, PASSES[pass].summary);
    return 1;
}

struct Size {
    int bytes = 0;
    int instructions = 0;
};

Size measure(const Region& region)
{
    Size size;
    for (const Line& line : region.lines)
        if (line.source.kind == LINE_INSTRUCTION) {
            size.bytes += lineSize(line);
            size.instructions++;
        }
    return size;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    const char* files[2];
    int fileCount = 0;
    for (int i = 1; i < argc; i++) {
        const char* arg = argv[i];
        if (strcmp(arg, "--stats") == 0) {
            options.stats = true;
        } else if (strncmp(arg, "--disable=", 10) == 0) {
            int pass = passIndex(arg + 10);
            if (pass < 0) {
                fmt::print(stderr, "quarn-opt: no optimization is named {}\n", arg + 10);
                return usage();
            }
            options.disabled[pass] = true;
        } else if (arg[0] == '-' && arg[1] != '\0') {
            return usage();
        } else if (fileCount < 2) {
            files[fileCount++] = arg;
        } else {
            return usage();
        }
    }
    if (fileCount != 2)
        return usage();
    Program program;
    std::string error;
    if (!readProgram(files[0], program, error)) {
        fmt::print(stderr, "quarn-opt: {}\n", error);
        return 1;
    }
    std::vector<Region> regions = findRegions(program);
    Size totalBefore, totalAfter;
    std::vector<Size> before(regions.size()), after(regions.size());
    for (int r : calleesFirst(regions)) {
        before[r] = measure(regions[r]);
        optimizeRegion(program, regions[r], options);
        after[r] = measure(regions[r]);
        if (!options.disabled[passIndex("calls")])
            summarizeCalls(program, regions[r]);
    }
    for (size_t r = 0; r < regions.size(); r++) {
        const Region& region = regions[r];
        totalBefore.bytes += before[r].bytes;
        totalBefore.instructions += before[r].instructions;
        totalAfter.bytes += after[r].bytes;
        totalAfter.instructions += after[r].instructions;
        if (options.stats)
            fmt::print("{:24} bytes {:6} -> {:6}  instructions {:5} -> {:5}{}\n", region.name, before[r].bytes,
                       after[r].bytes, before[r].instructions, after[r].instructions,
                       region.optimizable ? "" : "  (as written: " + region.reason + ")");
    }
    if (options.stats)
        fmt::print("{:24} bytes {:6} -> {:6}  instructions {:5} -> {:5}\n", "total", totalBefore.bytes,
                   totalAfter.bytes, totalBefore.instructions, totalAfter.instructions);
    if (!writeProgram(regions, files[1], error)) {
        fmt::print(stderr, "quarn-opt: {}\n", error);
        return 1;
    }
    return 0;
}
