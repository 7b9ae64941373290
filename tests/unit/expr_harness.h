// Test-only support for the expression tests: parsing a string through the
// real scanner with a fixed set of declared names, and a printer that shows a
// tree as nested lists.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "expr/expr.h"

// Starts a compilation over text (fresh scanner and symbol table, file scope
// open, not declaring) and declares the names every expression test uses:
//   b bool; c char; uc unsigned char; i, j, x, y, z int; u unsigned int;
//   l long; r float; p char pointer; ip int pointer; a int array;
//   k const int 10; kc const char 7; kr const float 2.5; kz const float 0.0;
//   kl const long 100000; cb const bool with value 1;
//   f int function of no parameters; v void function; g int (int);
//   sc int (signed char); h int (int, char); q int (char pointer).
void openExpression(const std::string& text);

// A further file-level name with the given type; function parameter types, if
// any, form its zero-terminated list.
int32_t declareName(const char* name, TypeCode type, const std::vector<TypeCode>& parameters = {});

// Reads the first token and parses one expression into a new root.
ExprNode* parseOpened(TypeCode* type = nullptr);

// openExpression, then parseOpened.
ExprNode* parseText(const std::string& text, TypeCode* type = nullptr);

// The tree as nested lists: (op child child); constants as value:kind with the
// kinds char, int, long and float; identifiers by name with their suffix
// (a[index], f(), f(arg, arg)); unary minus as neg and indirection as deref.
std::string treeText(const ExprNode* node);

// parseText, printed; the root is freed.
std::string parsedText(const std::string& text, TypeCode* type = nullptr);

// parseText, then the typing walk, printed; the root is freed.
std::string foldedText(const std::string& text, TypeCode* type = nullptr);

// A hand-made constant or other leaf: kind op with the integer value.
ExprNode* leaf(int32_t op, int32_t value);

// A hand-made node of kind op over the given children; the node owns them.
ExprNode* operatorOver(int32_t op, ExprNode* left, ExprNode* right = nullptr);
