// The output file: the one writer of assembly text, and the header and
// trailer that frame every output.
#pragma once

#include <cstdio>

extern FILE* outputFile;

// Writes one template with its arguments to outputFile, through a buffer.
void emit(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Hands the buffered text to outputFile: at the end of a compilation, and
// before a fatal error ends the process.
void flushOutput();
// Formats like emit into text, for operand texts: at most size - 1
// characters and a NUL.
void formatText(char* text, size_t size, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
// Pseudo-register equates, origin, optional stack set-up, jump to ZMAIN;
// leaves ramBase at the first free RAM address for variables.
void writeHeader();
// Signature bytes and the closing comment lines.
void writeTrailer();
