// Test-only support for symbol table tests: opening and closing a scope the
// way a function body does, without compiling one.
#pragma once

// Opens a scope one level deeper, starting where the enclosing one ends.
void openScope();

// Closes the innermost scope; its slots are free for the next one.
void closeScope();
