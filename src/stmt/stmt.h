// Statements: the statement compiler with the control statements, inline
// assembly and port writes, and the assignments and call statements.
// compileStatement compiles one statement as it reads it; each expression of
// a statement has a tree of its own that is freed once its code is written.
// Control statements and the operators that branch take their label numbers
// from labelCounter, which starts at 1 and is never reset. Uses lexer,
// symbols, expr, output, the diagnostics and the switches. Limits:
// statements nested 200 deep, inline assembly lines of 255 characters; each
// ends in a fatal error.
#pragma once

#include <cstdint>

extern int32_t labelCounter;  // numbered labels LL, NLL, LLS, LL3E; starts at 1

void compileStatement();
void compileStatementList();
void compileElse(int32_t label);
void compileAssignment(int32_t symbol);
// The statement '*' name '=' value: stores through a pointer variable, or into
// the first element of an array; any other variable as compileAssignment.
void compileIndirectAssignment(int32_t symbol);
