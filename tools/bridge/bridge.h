// quarn-bridge: reads the compiler's column-oriented assembly dialect and
// writes the same program as ca65 source. Shared declarations of its files.
#pragma once

#include <cstdio>
#include <string>

#include "dialect.h"

// Where the translation goes.
extern FILE* bridgeOutput;
// Name of the input file being read and its current line, for messages.
extern const char* inputName;
extern long inputLine;
// Set once any input line could not be translated.
extern bool bridgeFailed;

// Writes one template with its arguments to bridgeOutput.
void emit(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Reports a line that cannot be translated; the run ends with status 1.
void reportLineError(const char* message);

// Translates one input line (without its newline) and writes the result.
void translateLine(const std::string& line);
// Writes what must follow the last input line.
void finishTranslation();

// An expression of the dialect with every name that ca65 reserves renamed.
std::string renameSymbols(const std::string& expression);
// A name as ca65 must see it: reserved words and register names get a prefix
// that no compiled name can carry (compiled names are upper case).
std::string symbolName(const std::string& name);
// The ca65 operand of an instruction, given the mnemonic and the dialect's
// operand text (which may be empty).
std::string translateOperand(const std::string& mnemonic, const std::string& operand);
