// Command line and compilation driver: the option globals, the switch loop,
// the two files and one run of the compiler over them.
#include <cstdio>

#include "base/diagnostics.h"
#include "base/options.h"
#include "decl/decl.h"
#include "driver/driver.h"
#include "lexer/lexer.h"
#include "output/output.h"
#include "symbols/symbols.h"

// Origin used when no -B gave one.
constexpr uint16_t DEFAULT_ORIGIN = 0x2000;

static void printUsage()
{
    printf("format:  Quarn?? [options] infile.c outfile.asm\n");
    printf("\t-B:#### Binary address of ROM - in hex\n");
    printf("\t-C use multiplication and division helper calls\n");
    printf("\t-I use multiplication and division intrinsics\n");
    printf("\t-O Optimize\n");
    printf("\t-R assume all code and data on RAM\n");
    printf("\t-S:#### Address to initialize SP to - in hex\n");
    printf("\t-V:#### Address to allocate variables at in RAM - in hex\n");
}

// Reads the value of -B:####, -S:#### or -V:####: two characters skipped, a
// colon, a hexadecimal number kept as 16 bits. A value that does not read
// leaves target as it was.
static void readSwitchValue(const char* argument, uint16_t* target)
{
    sscanf(argument, "%*c%*c:%hX", target);
}

// Applies one switch; only its second character counts (-Ofast is -O).
static void applySwitch(const char* argument)
{
    switch (argument[1]) {
    case 'B':
        readSwitchValue(argument, &romOrigin);
        break;
    case 'C':
        mulDivMode = MULDIV_HELPERS;
        break;
    case 'I':
        mulDivMode = MULDIV_INLINE;
        break;
    case 'O':
        optimizeFlag = 1;
        break;
    case 'R':
        ramVariablesFlag = 0;
        break;
    case 'S':
        readSwitchValue(argument, &stackInit);
        break;
    case 'V':
        ramVariablesFlag = 1;
        readSwitchValue(argument, &ramBase);
        break;
    default:
        printf("warning: unrecognized switch -%c\n", argument[1]);
        break;
    }
}

int quarnMain(int argc, char** argv)
{
    beforeFatalExit = closeOutput;
    resetScanner();
    initSymbolTable();
    checkForUpdate();
    printf("\nVelmora C Compiler (Quarn) version 1.03.24.0110\n");

    // Switches come before the file names; the first other argument ends them.
    while (argc > 1 && (argv[1][0] == '-' || argv[1][0] == '/')) {
        applySwitch(argv[1]);
        --argc;
        ++argv;
    }
    if (argc != 3) {
        printUsage();
        return FILE_FAILURE_STATUS;
    }

    FILE* source = fopen(argv[1], "rb");
    if (source == nullptr) {
        printf("error: can't open C source file %s\n", argv[1]);
        return FILE_FAILURE_STATUS;
    }
    FILE* output = fopen(argv[2], "wb");
    if (output == nullptr) {
        printf("error: can't open output file %s\n", argv[2]);
        return FILE_FAILURE_STATUS;
    }
    outputName = argv[2];

    compileSource(source, output);
    closeOutput();
    fclose(source);
    return errorLevel;
}

// One compilation: the header is written before the first token is read, so
// even an empty source gives a complete header and trailer.
void compileSource(FILE* source, FILE* output)
{
    sourceFile = source;
    outputFile = output;
    if (romOrigin == NO_ADDRESS)
        romOrigin = DEFAULT_ORIGIN;
    writeHeader();
    currentToken = nextToken();
    compileTranslationUnit();
    writeTrailer();
}
