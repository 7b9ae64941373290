// Statements: the statement compiler with the control statements, and
// assignments.
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
