// Diagnostics: the three severities of line-numbered messages and the level
// that becomes the exit status.
#include "base/diagnostics.h"

#include <cstdlib>

int32_t errorLevel = 0;
int32_t lineNumber;
void (*beforeFatalExit)() = nullptr;

// Ends the process through the normal exit, after the output has been
// flushed (it gets no trailer).
void fatalError(const char* message)
{
    printDiagnostic("line {}: {}\n", lineNumber, message);
    if (beforeFatalExit != nullptr)
        beforeFatalExit();
    exit(FATAL_STATUS);
}

void reportError(const char* message)
{
    printDiagnostic("line {}: {}\n", lineNumber, message);
    errorLevel = ERROR_LEVEL;
}

void reportWarning(const char* message)
{
    printDiagnostic("line {}: {}\n", lineNumber, message);
    errorLevel = WARNING_LEVEL;
}
