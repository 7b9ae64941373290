// Declarations: the type specifiers, variables with their
// data, RAM equates and frame offsets, and the translation unit with its
// function definitions. compileTranslationUnit reads the file declaration by
// declaration; a function definition opens scope depth 2, places its
// parameters and locals, writes its label, prologue and frame, hands the body
// to the statement compiler and writes the epilogue. Keeps only elementCount,
// the element count of the declarator just read. Uses lexer, symbols, expr
// (initial values), stmt, output, the diagnostics and the switches. Limits:
// 255 bytes of locals in one function, 200 specifier keywords in a row; each
// ends in a fatal error.
#pragma once

#include <cstdint>

#include "symbols/symbols.h"

// The TypeCode of every struct, class or union: such a type has no size.
constexpr TypeCode STRUCT_TYPE = 398;

// Bytes of one element: 1, 2 or 4; 0 for a code without a size.
int sizeClass(TypeCode type);

extern int32_t elementCount;

TypeCode parseTypeSpecifier();
TypeCode parseBasicType();
TypeCode parseQualifier();
TypeCode parseStructSpecifier();

int32_t parseDeclarators(int32_t first);
void parseNameList();
void evaluateInitializer(int32_t index);
void emitStaticData(int32_t first, int32_t last, TypeCode type, bool initialised);
int32_t compileLocalDeclarations(TypeCode flags, int32_t size);

void compileTranslationUnit();
void compileFunctionDefinition(int32_t function);
int32_t compileParameterList(int32_t function, int32_t base);
