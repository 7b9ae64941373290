// The reader of the compiler's assembly dialect, shared by every tool that
// reads the compiler's output (quarn-bridge, quarn-opt). One line at a time:
//   readLine(file, text)       the next line of a file, without its newline
//   readSourceLine(text)       the line split into label, operation, operand
//                              and comment, and its kind; an error text for
//                              a line that is not the dialect
//   readOperand(mnemonic, t)   an instruction's addressing mode and the text
//                              of its address expression
//   parseExpression(t)         that text as a sum of numbers and names, when
//                              it is one
// The dialect: a name in column 1 defines a label (NAME EQU *, NAME:) or an
// equate (NAME EQU value) or labels data (NAME: DFB n, NAME DS n); a line
// that starts with a blank holds an instruction, a directive (ORG, END, DFB,
// DB, DW, DD, DS) or inline text; * or ; in column 1 starts a comment line; a
// tab followed by * (or a ; outside quotes) starts an end-of-line comment. In
// an immediate operand #> selects the LOW byte and #< the HIGH byte.
// Nothing here keeps state between calls.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// Longest line accepted, newline excluded; a longer one is an error.
constexpr size_t MAX_LINE_LENGTH = 4096;
// Longest name accepted in a label, an equate or an operand.
constexpr size_t MAX_NAME_LENGTH = 255;

enum LineKind : uint8_t {
    LINE_BLANK,        // nothing but blanks and perhaps a comment
    LINE_COMMENT,      // * or ; in column 1
    LINE_LABEL,        // NAME EQU * or NAME: alone
    LINE_EQUATE,       // NAME EQU value
    LINE_INSTRUCTION,  // a 6502 mnemonic, perhaps after a label
    LINE_DATA,         // DFB, DB, DW, DD or DS, perhaps after a label
    LINE_ORIGIN,       // ORG address
    LINE_END,          // END
    LINE_TEXT,         // any other operation: inline text passed on as written
};

struct SourceLine {
    LineKind kind = LINE_BLANK;
    std::string label;      // the name in column 1, or empty
    bool labelColon = false;  // the name was written NAME:
    std::string operation;  // the mnemonic or directive as written (any case)
    std::string operand;    // the rest after the operation, trimmed
    std::string text;       // LINE_TEXT: the whole operation field, trimmed
    bool hasComment = false;
    std::string comment;    // the end-of-line or comment-line text, after * or ;
    std::string error;      // not empty: the line is not the dialect
};

// Reads one line into text, without its newline and a carriage return
// before it; false at the end of the file. A line longer than
// MAX_LINE_LENGTH is kept only up to one character past the limit, so that
// readSourceLine still reports it.
bool readLine(FILE* file, std::string& text);

// Splits and classifies one line (without its newline or carriage return).
SourceLine readSourceLine(const std::string& line);

enum AddressMode : uint8_t {
    MODE_IMPLIED,      // no operand
    MODE_ACCUMULATOR,  // ASL A, LSR A, ROL A, ROR A
    MODE_IMMEDIATE,    // #value, #>value, #<value
    MODE_DIRECT,       // address (page zero or absolute)
    MODE_DIRECT_X,     // address,X
    MODE_DIRECT_Y,     // address,Y
    MODE_INDIRECT,     // (address), only JMP
    MODE_INDIRECT_X,   // (address,X)
    MODE_INDIRECT_Y,   // (address),Y
};

enum ByteSelect : uint8_t { SELECT_WHOLE, SELECT_LOW, SELECT_HIGH };

struct Operand {
    AddressMode mode = MODE_IMPLIED;
    ByteSelect select = SELECT_WHOLE;  // immediate operands only
    // The address or value text: for #>X and #<X the text after the
    // selector as written, for (X),Y and (X,X) the text inside the
    // parentheses, for X,X and X,Y the text before the comma.
    std::string expression;
    // The operand began with a parenthesis without being one of the two
    // indirect-indexed forms: (A+B)*2 is an address, (VECTOR) for JMP is
    // indirect.
    bool parenthesized = false;
};

// The addressing mode and expression of an instruction's operand text.
Operand readOperand(const std::string& mnemonic, const std::string& operandText);

// An expression that is a sum of terms: decimal and $hexadecimal numbers,
// names and the location counter *, each with + or - before it.
struct Term {
    bool negative = false;
    bool location = false;  // the term is *
    std::string name;       // empty for a number or *
    int64_t value = 0;      // a number's value
};
struct Expression {
    bool linear = false;  // false: some other form (parentheses, other operators)
    std::vector<Term> terms;
};
Expression parseExpression(const std::string& text);

// Text helpers of the dialect.
std::string trim(const std::string& text);
std::string upperCase(const std::string& text);
bool isNameStart(char c);
bool isNameChar(char c);
// A plain integer constant: decimal with an optional sign, or $hex.
bool parseInteger(const std::string& text, long long& value);
// True when the word is one of the 56 mnemonics of the 6502 (any letter case).
bool isMnemonic(const std::string& word);
// True for DFB, DB, DW, DD, DS in any letter case.
bool isDataDirective(const std::string& word);
// Index of the last comma outside parentheses and quotes, or npos.
size_t lastTopLevelComma(const std::string& text);
