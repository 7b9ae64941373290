// The output file: the one writer of assembly text, and the header and
// trailer that frame every output.
#pragma once

#include <cstdio>

extern FILE* outputFile;

// Writes one template with its arguments to outputFile.
void emit(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Pseudo-register equates, origin, optional stack set-up, jump to ZMAIN;
// leaves ramBase at the first free RAM address for variables.
void writeHeader();
// Signature bytes and the closing comment lines.
void writeTrailer();
