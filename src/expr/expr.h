// Expressions, from tokens to 6502 code. A statement passes each expression through
//   parseExpression(root)     the tree, with operand types balanced
//   typeOf(root)              folding and cheaper operators (-O only)
//   generateExpression(root)  the code; the value ends in the slot at tempCounter
// and then flushRegisters and freeTree: nothing here outlives the statement.
// Owns the tree (tree.cpp) and the temporaries BX..REF with their pending operand
// texts (operands.cpp). Uses lexer, symbols, decl (type codes), stmt (the label
// counter), output, the diagnostics and the switches. Limits: 200 nested
// brackets, 2000 parser steps, 14 register bytes; each ends in a fatal error.
#pragma once

#include <cstddef>
#include <cstdint>

#include "decl/decl.h"
#include "lexer/lexer.h"

struct ExprNode {
    int32_t op;
    int32_t sym;
    ExprNode* left;
    ExprNode* right;
    int32_t intValue;
    double floatValue;
};

// Node kinds besides the token codes they share (ICONST, ID, PLUS, ...).
// An ID node's suffix child is EMPTY, LBRACKET (element) or LPAREN (call);
// an argument list is RPAREN (empty) or a chain of COMMA cells.
constexpr int32_t EMPTY = 0;
constexpr int32_t BOOL_TO_CHAR = 143;
constexpr int32_t INT_TO_CHAR = 144;
constexpr int32_t LONG_TO_CHAR = 145;
constexpr int32_t FLOAT_TO_CHAR = 146;
constexpr int32_t BOOL_TO_INT = 147;
constexpr int32_t CHAR_TO_INT = 148;
constexpr int32_t LONG_TO_INT = 149;
constexpr int32_t FLOAT_TO_INT = 150;
constexpr int32_t BOOL_TO_LONG = 151;
constexpr int32_t CHAR_TO_LONG = 152;
constexpr int32_t INT_TO_LONG = 153;
constexpr int32_t FLOAT_TO_LONG = 154;
constexpr int32_t CHAR_TO_FLOAT = 155;
constexpr int32_t INT_TO_FLOAT = 156;
constexpr int32_t LONG_TO_FLOAT = 157;
constexpr int32_t CAST_CHAR = 195;
constexpr int32_t CAST_INT = 254;

// Tree (tree.cpp).
ExprNode* newNode();
void freeTree(ExprNode* node);  // frees the children, not the node itself
void deleteTree(ExprNode* root);  // freeTree, then the node itself (null is fine)
void releaseNode(ExprNode* node);  // gives back one node without its children
void pushDown(ExprNode* node);
void pullUp(ExprNode* node);

// Parser (parser.cpp).
extern int32_t argumentIndex;
TypeCode parseExpression(ExprNode* node);
void parseArguments(int32_t function, ExprNode* list);
TypeCode balanceTypes(TypeCode left, TypeCode right, ExprNode* node);
TypeCode narrowNode(TypeCode target, TypeCode source, ExprNode* node);

// Typing and folding (fold.cpp).
int32_t typeOf(ExprNode* node);
TypeCode inferType(ExprNode* node, TypeCode incoming);
int32_t nodeValue(const ExprNode* node);
double nodeFloatValue(const ExprNode* node);

// Temporaries and operand texts (operands.cpp).
constexpr int FIRST_TEMP = 34;       // BX
constexpr int REGISTER_LIMIT = 48;   // first number past the register block
extern int32_t tempCounter;
// Fatal "error: expression too complex" when a register byte numbered
// REGISTER_LIMIT or more would be bound, requested or written.
void checkRegister(int number);
void bindRegister(int number, const char* text);
const char* wordOperand(int number);
// The text of register byte number as an operand. keep true: a pending value
// is used in place (its text is returned and the byte unbound); keep false:
// it is loaded first and the register is named.
const char* byteOperand(int number, bool keep);
void releaseRegister(int number);
void flushRegisters(int limit);

// Code generator (codegen.cpp).
TypeCode generateExpression(ExprNode* node);
// Width class of a two-operand operation: 1, 2 or 4 bytes; fatal
// "error: undefined type" when there is none.
int operandWidth(TypeCode left, TypeCode right);
// Reads the one, two or four bytes at the address in the word at start into
// the slot at start; scratch is the free byte the two-byte form passes through.
void readThroughPointer(int width, int start, int scratch);

// Operator families.
TypeCode generateMultiplyDivide(ExprNode* node);  // muldiv.cpp: *, /, % with two operands
TypeCode generateShift(ExprNode* node);           // muldiv.cpp: <<, >>
// compare.cpp: entered after both operands have been generated.
TypeCode generateComparison(ExprNode* node, TypeCode leftType, TypeCode rightType);
TypeCode compileIdentifier(int32_t symbol, ExprNode* postfix);  // identifier.cpp
void compileCall(int32_t symbol, ExprNode* list);               // call.cpp
int32_t pushArguments(int32_t count, ExprNode* cell);           // call.cpp
// Saving live words around a call (call.cpp): push one word, pull it back
// into its register, copy a result word into another.
void saveWord(int number);
void restoreWord(int number);
void copyWord(int target, int source);
