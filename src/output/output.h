// Output: the one writer of assembly text, and the header and trailer that
// frame every output. compileSource writes the header, the other folders
// write their templates through emit while the source is compiled, and the
// trailer ends a completed compilation. emit collects the text in outputText,
// which goes to outputFile in large pieces; writeHeader advances ramBase past
// the register block. Uses the switches and the diagnostics (exit statuses).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <iterator>

#include <fmt/compile.h>
#include <fmt/format.h>

extern FILE* outputFile;
// The output file's name as given on the command line, for the message of a
// write that fails.
extern const char* outputName;
// Text written by emit and not yet handed to outputFile.
extern fmt::memory_buffer outputText;
// outputText goes to the file whenever it grows past this many bytes.
constexpr size_t OUTPUT_CHUNK = 65536;

// Writes one template with its arguments, for example
//   emit(" LDA {}\n CLC\n ADC {}\n", left, right);
// {} writes a text or a decimal number, {:02X} and {:04X} a number in
// upper-case hexadecimal with at least two or four digits. The template must
// be a string literal: it is checked against its arguments and compiled with
// them when Quarn itself is built.
#define emit(format, ...)                                                \
    do {                                                                 \
        fmt::format_to(std::back_inserter(outputText),                   \
                       FMT_COMPILE(format) __VA_OPT__(, ) __VA_ARGS__);  \
        if (outputText.size() > OUTPUT_CHUNK)                            \
            flushOutput();                                               \
    } while (0)

// Hands outputText to outputFile whenever it grows past OUTPUT_CHUNK.
void flushOutput();
// Hands the rest of outputText to outputFile and closes it: at the end of a
// compilation, and before a fatal error ends the process.
// A write, flush or close of outputFile that fails ends the process with
// "error: can't write output file NAME: REASON" on standard output and the
// exit status of a file that cannot be opened; a regular file, which then
// holds only part of the output, is removed.
void closeOutput();

// Formats an operand text into text, at most size - 1 characters and a NUL,
// from a template compiled like emit's:
//   formatText(text, sizeof text, FMT_COMPILE("{}+{}"), name, k);
template <typename Format, typename... T>
void formatText(char* text, size_t size, const Format& format, const T&... arguments)
{
    fmt::memory_buffer formatted;
    fmt::format_to(std::back_inserter(formatted), format, arguments...);
    size_t length = std::min(formatted.size(), size - 1);
    memcpy(text, formatted.data(), length);
    text[length] = '\0';
}

// Pseudo-register equates, origin, optional stack set-up, jump to ZMAIN;
// leaves ramBase at the first free RAM address for variables.
void writeHeader();
// Signature bytes and the closing comment lines.
void writeTrailer();
