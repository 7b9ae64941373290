// The output file: the one writer of assembly text, and the header and
// trailer that frame every output.
#pragma once

#include <cstdio>
#include <cstring>

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

// Copies length bytes of a short text (an operand, a name, a number) to a
// place that does not overlap it. For texts this short two overlapping moves
// are cheaper than a call to memcpy.
inline void copyBytes(char* target, const char* source, size_t length)
{
    if (length > 32) {
        memcpy(target, source, length);
    } else if (length >= 16) {
        memcpy(target, source, 16);
        memcpy(target + length - 16, source + length - 16, 16);
    } else if (length >= 8) {
        memcpy(target, source, 8);
        memcpy(target + length - 8, source + length - 8, 8);
    } else if (length >= 4) {
        memcpy(target, source, 4);
        memcpy(target + length - 4, source + length - 4, 4);
    } else {
        for (size_t i = 0; i < length; i++)
            target[i] = source[i];
    }
}
