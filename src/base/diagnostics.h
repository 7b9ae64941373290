// Diagnostics: every problem the compiler reports about a source, as a line
// on standard error that names the current source line. A warning and an
// error set errorLevel and the compilation goes on; a fatal error ends the
// process at once. errorLevel and lineNumber live for the whole run; the
// scanner keeps lineNumber.
#pragma once

#include <cstdint>
#include <cstdio>
#include <utility>

#include <fmt/format.h>

// Exit statuses: errorLevel after a warning (1) or an error (2), a fatal
// error, and a wrong command line or a file that cannot be opened or written.
constexpr int32_t WARNING_LEVEL = 1;
constexpr int32_t ERROR_LEVEL = 2;
constexpr int FATAL_STATUS = 2;
constexpr int FILE_FAILURE_STATUS = 22;

extern int32_t errorLevel;   // the level of the latest warning or error: the exit status of a completed run
extern int32_t lineNumber;   // the current source line

// Runs before a fatal error ends the process; the driver points it at
// closing the output, so that the output file keeps what was written.
extern void (*beforeFatalExit)();

// "line N: message" on standard error, then the end of the process with
// FATAL_STATUS.
[[noreturn]] void fatalError(const char* message);
// "line N: message" on standard error; errorLevel becomes ERROR_LEVEL.
void reportError(const char* message);
// "line N: message" on standard error; errorLevel becomes WARNING_LEVEL.
void reportWarning(const char* message);

// Writes text to standard error: every diagnostic goes through here.
// Standard output (the banner, notes and some warnings) is flushed first, so
// that a reader of both streams sees the lines in the order they were written.
template <typename... T>
void printDiagnostic(fmt::format_string<T...> format, T&&... arguments)
{
    fflush(stdout);
    fmt::print(stderr, format, std::forward<T>(arguments)...);
}
