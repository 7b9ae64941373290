// Lexical analysis: the token codes, the table of the 97 predefined keywords
// and operators, and the scanner. At start-up loadPredefinedSymbols puts the
// table into the symbol table; then nextToken turns the source into one token
// code at a time, entering every new name into the symbol table as it reads
// it, and match consumes the lookahead currentToken. The token value globals
// hold the values of the token just scanned; the scanner keeps lineNumber
// (base/diagnostics.h) and at most two characters given back. Uses symbols
// and the diagnostics. Limits: names of 255 characters, number texts of 43;
// each ends in a fatal error.
#pragma once

#include <cstdint>
#include <cstdio>

using TokenCode = int32_t;

// Token classes.
constexpr TokenCode ENDFILE = 128;
constexpr TokenCode LCONST = 129;  // node kind only
constexpr TokenCode ICONST = 130;
constexpr TokenCode CCONST = 131;  // node kind only
constexpr TokenCode ID = 132;
constexpr TokenCode FCONST = 133;

// Operators.
constexpr TokenCode SHL = 158;        // <<
constexpr TokenCode SHR = 159;        // >>
constexpr TokenCode LBRACKET = 160;   // [
constexpr TokenCode RBRACKET = 161;   // ]
constexpr TokenCode LPAREN = 162;     // (
constexpr TokenCode RPAREN = 163;     // )
constexpr TokenCode STAR = 164;       // *
constexpr TokenCode PLUS = 165;       // +
constexpr TokenCode COMMA = 166;      // ,
constexpr TokenCode MINUS = 167;      // -
constexpr TokenCode COLON = 171;      // :
constexpr TokenCode ASSIGN = 172;     // =
constexpr TokenCode SEMICOLON = 173;  // ;
constexpr TokenCode LT = 174;         // <
constexpr TokenCode LE = 175;         // <=
constexpr TokenCode NE = 176;         // !=
constexpr TokenCode EQ = 177;         // ==
constexpr TokenCode GT = 178;         // >
constexpr TokenCode GE = 179;         // >=
constexpr TokenCode ANDAND = 180;     // &&
constexpr TokenCode LBRACE = 184;     // {
constexpr TokenCode AMP = 185;        // &
constexpr TokenCode TILDE = 186;      // ~
constexpr TokenCode BAR = 187;        // |
constexpr TokenCode CARET = 188;      // ^
constexpr TokenCode SLASH = 217;      // /
constexpr TokenCode ELLIPSIS = 219;   // ...
constexpr TokenCode RBRACE = 228;     // }
constexpr TokenCode PERCENT = 246;    // %
constexpr TokenCode BANG = 250;       // !
constexpr TokenCode OROR = 253;       // ||

// Keywords.
constexpr TokenCode KW_ASM = 182;  // also _asm
constexpr TokenCode KW_AUTO = 183;
constexpr TokenCode KW_BOOL = 189;
constexpr TokenCode KW_BREAK = 190;
constexpr TokenCode KW_CASE = 192;
constexpr TokenCode KW_CATCH = 193;
constexpr TokenCode KW_CHAR = 194;
constexpr TokenCode KW_CLASS = 196;
constexpr TokenCode KW_CONST = 197;
constexpr TokenCode KW_CONST_CAST = 198;
constexpr TokenCode KW_CONTINUE = 199;
constexpr TokenCode KW_DEFAULT = 215;
constexpr TokenCode KW_DELETE = 216;
constexpr TokenCode KW_DO = 218;
constexpr TokenCode KW_DOUBLE = 220;
constexpr TokenCode KW_DYNAMIC_CAST = 222;
constexpr TokenCode KW_ELSE = 227;
constexpr TokenCode KW_ENUM = 229;
constexpr TokenCode KW_EXPLICIT = 230;
constexpr TokenCode KW_EXTERN = 231;
constexpr TokenCode KW_FALSE = 232;
constexpr TokenCode KW_FLOAT = 233;
constexpr TokenCode KW_FOR = 234;
constexpr TokenCode KW_FRIEND = 235;
constexpr TokenCode KW_GOTO = 237;
constexpr TokenCode KW_IF = 238;
constexpr TokenCode KW_INLINE = 240;
constexpr TokenCode KW_INP = 241;
constexpr TokenCode KW_INPW = 242;
constexpr TokenCode KW_INT = 243;
constexpr TokenCode KW_LONG = 245;
constexpr TokenCode KW_MUTABLE = 247;
constexpr TokenCode KW_NAMESPACE = 248;
constexpr TokenCode KW_NEW = 249;
constexpr TokenCode KW_OPERATOR = 252;
constexpr TokenCode KW_OUTP = 255;
constexpr TokenCode KW_OUTPW = 256;
constexpr TokenCode KW_PRIVATE = 257;
constexpr TokenCode KW_PROTECTED = 260;
constexpr TokenCode KW_PUBLIC = 261;
constexpr TokenCode KW_REGISTER = 263;
constexpr TokenCode KW_REINTERPRET_CAST = 264;
constexpr TokenCode KW_RETURN = 266;
constexpr TokenCode KW_SHORT = 267;
constexpr TokenCode KW_SIGNED = 268;
constexpr TokenCode KW_SIZEOF = 270;
constexpr TokenCode KW_STATIC = 271;
constexpr TokenCode KW_STATIC_CAST = 272;
constexpr TokenCode KW_STRUCT = 273;
constexpr TokenCode KW_SWITCH = 274;
constexpr TokenCode KW_TEMPLATE = 275;
constexpr TokenCode KW_THIS = 277;
constexpr TokenCode KW_THROW = 278;
constexpr TokenCode KW_TRUE = 280;
constexpr TokenCode KW_TRY = 281;
constexpr TokenCode KW_TYPEDEF = 282;
constexpr TokenCode KW_TYPEID = 283;
constexpr TokenCode KW_UNION = 284;
constexpr TokenCode KW_UNSIGNED = 286;
constexpr TokenCode KW_USING = 289;
constexpr TokenCode KW_VIRTUAL = 291;
constexpr TokenCode KW_VOID = 292;
constexpr TokenCode KW_VOLATILE = 293;
constexpr TokenCode KW_WCHAR_T = 294;
constexpr TokenCode KW_WHILE = 295;

// One row of the predefined table: spelling, code, and the attribute copied
// into the entry's type. The table ends with a row whose code is 0.
struct PredefinedToken {
    const char* spelling;
    TokenCode code;
    int32_t attribute;
};
constexpr int PREDEFINED_COUNT = 97;
extern const PredefinedToken predefinedTokens[PREDEFINED_COUNT + 1];

constexpr int LEXEME_SIZE = 256;       // a name holds at most 255 characters
constexpr int NUMBER_TEXT_SIZE = 44;   // 43 characters and the NUL

extern FILE* sourceFile;
extern int32_t tokenSymbol;
extern int32_t tokenIntValue;
extern double tokenFloatValue;
extern char lexeme[LEXEME_SIZE];
extern char numberText[NUMBER_TEXT_SIZE];
extern int32_t numberTextLength;
extern uint8_t pendingNewline;
extern TokenCode currentToken;  // the lookahead token

// Puts the scanner in its program-start state: pendingNewline 1, lineNumber 0,
// no pushed-back characters, value globals zero.
void resetScanner();
// Inserts the 97 predefined rows at depth 0 and opens the file scope.
void loadPredefinedSymbols();
// Spelling of a code for messages; "ID" for codes that no predefined row has.
const char* tokenSpelling(TokenCode code);
// Scans one token and returns its code.
TokenCode nextToken();
// Consumes the lookahead when it is the expected token and reads the next
// one; anything else is a fatal syntax error naming both spellings.
void match(TokenCode expected);
// Gives a character back to the stream (see the push-back rules).
void unreadChar(int c);
// Reads one source character, honouring push-back: -1 at end of input and for
// a byte of value 255. Used by the inline assembly statement.
int readChar();
