// The predefined keywords and operators: one table of spellings, codes and
// type attributes, loaded into the outermost scope of the symbol table so that
// keywords and operators are found by the same lookup as identifiers; their
// spellings for messages; and match, the one step that consumes the lookahead
// token and reads the next.
#include "base/diagnostics.h"
#include "lexer/lexer.h"
#include "symbols/symbols.h"

TokenCode currentToken;

// Row order fixes the symbol index of each entry (row n gets index n), so the
// first file-level name always gets index PREDEFINED_COUNT + 1.
const PredefinedToken predefinedTokens[PREDEFINED_COUNT + 1] = {
    {"{", LBRACE, 0},
    {"}", RBRACE, 0},
    {"[", LBRACKET, 0},
    {"]", RBRACKET, 0},
    {"(", LPAREN, 0},
    {")", RPAREN, 0},
    {";", SEMICOLON, 0},
    {":", COLON, 0},
    {"...", ELLIPSIS, 0},
    {"+", PLUS, 0},
    {"-", MINUS, 0},
    {"*", STAR, 0},
    {"/", SLASH, 0},
    {"%", PERCENT, 0},
    {"^", CARET, 0},
    {"&", AMP, 0},
    {"|", BAR, 0},
    {"~", TILDE, 0},
    {"!", BANG, 0},
    {"=", ASSIGN, 0},
    {"<", LT, 0},
    {">", GT, 0},
    {"<<", SHL, 0},
    {">>", SHR, 0},
    {"==", EQ, 0},
    {"!=", NE, 0},
    {"<=", LE, 0},
    {">=", GE, 0},
    {"&&", ANDAND, 0},
    {"||", OROR, 0},
    {",", COMMA, 0},
    {"asm", KW_ASM, 0},
    {"auto", KW_AUTO, 0},
    {"bool", KW_BOOL, 0},
    {"break", KW_BREAK, 0},
    {"case", KW_CASE, 0},
    {"catch", KW_CATCH, 0},
    {"char", KW_CHAR, BASE_CHAR},
    {"class", KW_CLASS, 0},
    {"const", KW_CONST, 0},
    {"const_cast", KW_CONST_CAST, 0},
    {"continue", KW_CONTINUE, 0},
    {"default", KW_DEFAULT, 0},
    {"delete", KW_DELETE, 0},
    {"do", KW_DO, 0},
    {"double", KW_DOUBLE, 0},
    {"dynamic_cast", KW_DYNAMIC_CAST, 0},
    {"else", KW_ELSE, 0},
    {"enum", KW_ENUM, 0},
    {"explicit", KW_EXPLICIT, 0},
    {"extern", KW_EXTERN, 0},
    {"false", KW_FALSE, BASE_BOOL},
    {"float", KW_FLOAT, 0},
    {"for", KW_FOR, 0},
    {"friend", KW_FRIEND, 0},
    {"goto", KW_GOTO, 0},
    {"if", KW_IF, 0},
    {"inline", KW_INLINE, 0},
    {"int", KW_INT, BASE_INT},
    {"long", KW_LONG, BASE_LONG},
    {"mutable", KW_MUTABLE, 0},
    {"namespace", KW_NAMESPACE, 0},
    {"new", KW_NEW, 0},
    {"operator", KW_OPERATOR, 0},
    {"private", KW_PRIVATE, 0},
    {"protected", KW_PROTECTED, 0},
    {"public", KW_PUBLIC, 0},
    {"register", KW_REGISTER, 0},
    {"reinterpret_cast", KW_REINTERPRET_CAST, 0},
    {"return", KW_RETURN, 0},
    {"short", KW_SHORT, BASE_INT},
    {"signed", KW_SIGNED, 0},
    {"sizeof", KW_SIZEOF, 0},
    {"static", KW_STATIC, 0},
    {"static_cast", KW_STATIC_CAST, 0},
    {"struct", KW_STRUCT, 0},
    {"switch", KW_SWITCH, 0},
    {"template", KW_TEMPLATE, 0},
    {"this", KW_THIS, 0},
    {"throw", KW_THROW, 0},
    {"true", KW_TRUE, BASE_BOOL},
    {"try", KW_TRY, 0},
    {"typedef", KW_TYPEDEF, 0},
    {"typeid", KW_TYPEID, 0},
    {"union", KW_UNION, 0},
    {"unsigned", KW_UNSIGNED, 0},
    {"using", KW_USING, 0},
    {"virtual", KW_VIRTUAL, 0},
    {"void", KW_VOID, 0},
    {"volatile", KW_VOLATILE, 0},
    {"wchar_t", KW_WCHAR_T, 0},
    {"while", KW_WHILE, 0},
    {"_asm", KW_ASM, 0},
    {"inp", KW_INP, BASE_CHAR},
    {"inpw", KW_INPW, BASE_INT},
    {"outp", KW_OUTP, 0},
    {"outpw", KW_OUTPW, 0},
    {nullptr, 0, 0},
};

// Inserts every row at depth 0, copying its attribute into the entry's type,
// then opens the file scope (depth 1) empty on top of it.
void loadPredefinedSymbols()
{
    symbolTable.scopeTop[0] = 0;
    for (const PredefinedToken* row = predefinedTokens; row->code != 0; ++row) {
        int32_t index = insertSymbol(row->spelling, row->code);
        symbolAt(index).type = row->attribute;
    }
    symbolTable.scopeDepth = 1;
    symbolTable.scopeTop[1] = symbolTable.scopeTop[0];
}

// Searches the predefined entries from the newest down, so a code spelled
// twice (asm and _asm) takes the later spelling.
const char* tokenSpelling(TokenCode code)
{
    for (int32_t index = symbolTable.scopeTop[0]; index >= 1; --index) {
        if (symbolAt(index).token == code)
            return symbolAt(index).name;
    }
    return "ID";
}

// Identifiers and constants are spelled "ID" on both sides of the message.
void match(TokenCode expected)
{
    if (currentToken != expected) {
        printDiagnostic("error: expected {} but found {}\n", tokenSpelling(expected),
                        tokenSpelling(currentToken));
        fatalError("syntax error");
    }
    currentToken = nextToken();
}
