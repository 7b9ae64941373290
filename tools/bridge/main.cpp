// quarn-bridge [--relocatable] [--ram-variables] [-o out.s] input.asm...:
// translates the compiler's assembly dialect into ca65 source. Several inputs
// are translated one after the other into one output, as one program (the
// driver appends the runtime routines to a compiled program this way). Exit
// status 0, or 1 when an input could not be read or a line could not be
// translated. The two options are described in bridge.h.
#include <cstdarg>
#include <cstring>

#include "bridge.h"

FILE* bridgeOutput;
const char* inputName = "";
long inputLine = 0;
bool bridgeFailed = false;
bool relocatableOrigin = false;
bool ramVariables = false;

// Inputs accepted in one run.
constexpr int MAX_INPUTS = 64;

void emit(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    vfprintf(bridgeOutput, format, arguments);
    va_end(arguments);
}

void reportLineError(const char* message)
{
    fprintf(stderr, "quarn-bridge: %s:%ld: %s\n", inputName, inputLine, message);
    bridgeFailed = true;
}

static void translateFile(const char* name)
{
    FILE* file = fopen(name, "rb");
    if (!file) {
        fprintf(stderr, "quarn-bridge: cannot open %s\n", name);
        bridgeFailed = true;
        return;
    }
    inputName = name;
    inputLine = 0;
    emit("; from %s\n", name);
    std::string line;
    while (readLine(file, line)) {
        inputLine++;
        translateLine(line);
    }
    fclose(file);
}

static int usage()
{
    fprintf(stderr, "usage: quarn-bridge [-o output.s] input.asm...\n"
                    "  --relocatable    the linker places the code at its ORG address\n"
                    "  --ram-variables  variables to the segments DATA and BSS (a program in ROM)\n");
    return 1;
}

int main(int argc, char** argv)
{
    const char* outputName = nullptr;
    const char* inputs[MAX_INPUTS];
    int inputCount = 0;
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "-o") == 0) {
            if (i + 1 >= argc)
                return usage();
            outputName = argv[++i];
        } else if (strcmp(argv[i], "--relocatable") == 0) {
            relocatableOrigin = true;
        } else if (strcmp(argv[i], "--ram-variables") == 0) {
            ramVariables = true;
            relocatableOrigin = true;
        } else if (argv[i][0] == '-' && argv[i][1] != '\0') {
            return usage();
        } else {
            if (inputCount >= MAX_INPUTS) {
                fprintf(stderr, "quarn-bridge: more than %d inputs\n", MAX_INPUTS);
                return 1;
            }
            inputs[inputCount++] = argv[i];
        }
    }
    if (inputCount == 0)
        return usage();
    bridgeOutput = stdout;
    if (outputName) {
        bridgeOutput = fopen(outputName, "wb");
        if (!bridgeOutput) {
            fprintf(stderr, "quarn-bridge: cannot create %s\n", outputName);
            return 1;
        }
    }
    emit("; ca65 source translated by quarn-bridge\n");
    emit(".setcpu \"6502\"\n");
    emit(".segment \"CODE\"\n");
    for (int i = 0; i < inputCount; i++)
        translateFile(inputs[i]);
    finishTranslation();
    if (bridgeOutput != stdout && fclose(bridgeOutput) != 0) {
        fprintf(stderr, "quarn-bridge: cannot write %s\n", outputName);
        return 1;
    }
    return bridgeFailed ? 1 : 0;
}
