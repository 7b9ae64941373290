// quarn-cc [options] prog.c: compiles a C source (or takes a program in the
// compiler's dialect), builds a sim65 program or a ROM image and writes it
// (-o) or runs it (--run). Called as quarn-run it runs the program.
// docs/quarn-cc.1 describes the options and the exit statuses.
#include <unistd.h>

#include "cc.h"

std::string programName = "quarn-cc";

namespace {

// The --keep folder, until the finished files have been copied there.
std::string keepFolder;

// Copies the kept files and removes the temporary folder: at the end of main
// and on every failure.
void finish()
{
    if (!keepFolder.empty()) {
        std::string folder = keepFolder;
        keepFolder.clear();  // a failure while copying must not copy again
        copyKeptFiles(folder);
    }
    removeWorkFolder();
}

void printVersion()
{
    fmt::print("quarn-cc 1.03\n");
    fflush(stdout);
    // The compiler without arguments prints its banner and its usage.
    auto banner = [](const std::string& line) {
        if (!line.empty() && line.compare(0, 7, "format:") != 0 && line[0] != '\t')
            fmt::print("{}\n", line);
    };
    runProgram({programFolder() + "/quarn"}, "/", banner, EXIT_BUILD);
}

} // namespace

void showLine(const std::string& line)
{
    fmt::print(stderr, "{}\n", line);
}

void failWith(ExitStatus status, const std::string& message)
{
    fflush(stdout);
    fmt::print(stderr, "{}: {}\n", programName, message);
    finish();
    exit(status);
}

int main(int argc, char** argv)
{
    if (argc > 0 && argv[0][0]) {
        programName = argv[0];
        programName = programName.substr(programName.rfind('/') + 1);
    }
    if (argc == 2 && std::string(argv[1]) == "--version") {
        printVersion();
        return EXIT_OK;
    }
    Options options = parseOptions(argc, argv);
    installSignalHandlers();
    if (!options.keepDir.empty()) {
        prepareKeepFolder(options.keepDir);
        keepFolder = options.keepDir;
    }
    std::string program = compileProgram(options);
    std::string binary = buildBinary(options, program);
    if (!options.output.empty())
        writeUserFile(options.output, readFile(binary, EXIT_OUTPUT));
    int status = EXIT_OK;
    if (options.run)
        status = simulate(options, binary);
    finish();
    return status;
}
