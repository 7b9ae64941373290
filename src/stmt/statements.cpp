// Statement compiler: turns the statements of a function body into assembly
// text as they are read. Control statements take their label numbers from
// labelCounter; statements that begin with an identifier are handed to the
// assignment compiler.
#include "base/diagnostics.h"
#include "base/options.h"
#include "expr/expr.h"
#include "lexer/lexer.h"
#include "output/output.h"
#include "stmt/stmt.h"
#include "symbols/symbols.h"

int32_t labelCounter = 1;

namespace {

// Statements may nest this deep (blocks, bodies of if, while, do, for); one
// level more stops the compilation before the compiler's own stack suffers.
constexpr int MAX_STATEMENT_NESTING = 200;
int statementDepth = 0;

// Evaluates one expression of a statement into the first free temporary:
// parse, type and fold under -O, generate, then load every pending operand.
// Returns the type the parser gave the expression. The tree is freed at once,
// so a statement with several expressions holds only one tree at a time.
TypeCode evaluate(ExprNode* root)
{
    if (root == nullptr)
        fatalError("error: expected ID");
    TypeCode type = parseExpression(root);
    if (optimizeFlag)
        typeOf(root);
    generateExpression(root);
    flushRegisters(tempCounter);
    freeTree(root);
    return type;
}

// Tests the low byte of the condition in BL and branches to LL<label> when it
// is zero; the long form reaches any distance.
void branchIfFalse(int32_t label, bool longForm)
{
    if (longForm)
        emit(" LDA BL\n CMP #0\n BNE NLL{}\n JMP LL{}\nNLL{} EQU *\n", label, label, label);
    else
        emit(" LDA BL\n CMP #0\n BEQ LL{}\n", label);
    tempCounter -= 2;
}

// Takes the label numbers L and L+1 for one control statement.
int32_t takeLabels()
{
    int32_t label = labelCounter;
    labelCounter += 2;
    return label;
}

[[noreturn]] void undefinedName(int32_t symbol)
{
    printDiagnostic("error: {} undefined\n", scopedName(symbol));
    fatalError("error: undefined symbol");
}

// identifier '=' ..., identifier '[' ..., identifier '(' ..., or label ':'.
// An undeclared name is a label only when a colon follows it.
void compileIdentifierStatement()
{
    tempCounter = FIRST_TEMP;
    int32_t symbol = tokenSymbol;
    TypeCode type = symbolAt(symbol).type;
    match(ID);
    if (type != 0) {
        compileAssignment(symbol);
        match(SEMICOLON);
    } else if (currentToken == COLON) {
        emit("* \nZ{} EQU *\n", assemblerName(symbol));
        match(COLON);
    } else {
        undefinedName(symbol);
    }
}

// '*' identifier ... ';': a store through a pointer or into the first element
// of an array; with any other variable the same as without the '*'.
void compileStarStatement()
{
    match(STAR);
    int32_t symbol = tokenSymbol;
    tempCounter = FIRST_TEMP;
    if (symbol == 0)
        match(ID);  // an operator or a constant: the mismatch is fatal
    if (symbolAt(symbol).type == 0)
        undefinedName(symbol);
    match(ID);
    compileIndirectAssignment(symbol);
    match(SEMICOLON);
}

// asm text / _asm text: the rest of the source line goes to the output as it
// stands, after one blank and without its leading blanks and tabs. A keyword
// at the end of its line takes the next line, because the scanner has already
// dropped the newline after it.
void compileInlineAssembly()
{
    tempCounter = FIRST_TEMP;
    int length = 0;
    int c = readChar();
    while (c == ' ' || c == '\t')
        c = readChar();
    // The text and its newline share lexeme with the scanner: at most
    // LEXEME_SIZE - 1 characters and the NUL.
    while (c != -1) {
        lexeme[length++] = static_cast<char>(c);
        if (c == '\n') {
            lineNumber += 1;
            break;
        }
        // A longer line would be written without its newline, joined to
        // the next output line, and its rest read as C.
        if (length == LEXEME_SIZE - 1)
            fatalError("error: line too long");
        c = readChar();
    }
    lexeme[length] = '\0';
    emit(" {}", lexeme);
    currentToken = nextToken();
}

// '{' statement* '}'; an empty block writes nothing.
void compileBlock()
{
    match(LBRACE);
    if (currentToken == RBRACE) {
        match(RBRACE);
        return;
    }
    compileStatement();
    compileStatementList();
}

// 'if' '(' expression ')' statement ['else' statement]
void compileIf(ExprNode* root)
{
    tempCounter = FIRST_TEMP;
    int32_t label = takeLabels();
    match(KW_IF);
    match(LPAREN);
    emit("* if ( \n");
    evaluate(root);
    match(RPAREN);
    branchIfFalse(label, currentToken == LBRACE);
    compileStatement();
    compileElse(label);
}

// 'while' '(' expression ')' statement
void compileWhile(ExprNode* root)
{
    tempCounter = FIRST_TEMP;
    int32_t label = takeLabels();
    match(KW_WHILE);
    match(LPAREN);
    emit("* while ( \n");
    emit("LL{} EQU *\n", label);
    evaluate(root);
    match(RPAREN);
    branchIfFalse(label + 1, currentToken == LBRACE);
    compileStatement();
    emit(" JMP LL{}\t* loop\n", label);
    emit("LL{} EQU *\n", label + 1);
}

// 'do' statement 'while' '(' expression ')' ';'
// The loop repeats while the low byte of the condition is not zero; L+1 is
// taken but never written.
void compileDo(ExprNode* root)
{
    int32_t label = takeLabels();
    match(KW_DO);
    emit("* do ( \n");
    emit("LL{} EQU *\n", label);
    bool blockBody = currentToken == LBRACE;
    compileStatement();
    match(KW_WHILE);
    match(LPAREN);
    tempCounter = FIRST_TEMP;
    evaluate(root);
    match(RPAREN);
    if (blockBody)
        emit(" LDA BL\n CMP #0\n BEQ NLL{}\n JMP LL{}\t* loop\nNLL{} EQU *\n", label, label, label);
    else
        emit(" LDA BL\n CMP #0\n BNE LL{}\t* loop\n", label);
    tempCounter -= 2;
    match(SEMICOLON);
}

// 'for' '(' assignment ';' expression ';' assignment ')' statement
// Layout: init, LL (test, exit to LL+1), JMP LLS, LL3E (increment, JMP LL),
// LLS (body, JMP LL3E), LL+1.
void compileFor(ExprNode* root)
{
    int32_t label = labelCounter;
    tempCounter = FIRST_TEMP;
    labelCounter += 2;
    match(KW_FOR);
    match(LPAREN);
    emit("* for ( \n");

    int32_t init = tokenSymbol;
    match(ID);
    compileAssignment(init);
    match(SEMICOLON);

    emit("LL{} EQU *\n", label);
    evaluate(root);
    match(SEMICOLON);
    branchIfFalse(label + 1, true);
    emit(" JMP LLS{}\n", label);
    emit("LL3E{}:\n", label);

    int32_t step = tokenSymbol;
    match(ID);
    compileAssignment(step);
    match(RPAREN);
    emit(" JMP LL{}\t* loop\n", label);
    emit("LLS{}:\n", label);

    compileStatement();
    emit(" JMP LL3E{}\n", label);
    emit("LL{} EQU *\n", label + 1);
}

// 'goto' identifier ';' -- the label may come later or never; the assembler
// resolves it.
void compileGoto()
{
    match(KW_GOTO);
    emit("* goto \n");
    int32_t symbol = tokenSymbol;
    match(ID);
    emit(" JMP Z{}\n", assemblerName(symbol));
    match(SEMICOLON);
}

// 'return' expression ';' -- the value stays in BX for the caller.
void compileReturn(ExprNode* root)
{
    tempCounter = FIRST_TEMP;
    match(KW_RETURN);
    emit("* return \n");
    TypeCode type = evaluate(root);
    int base = baseType(type);
    if ((base == BASE_LONG || base == BASE_FLOAT) && (type & (POINTER | ARRAY)) == 0)
        reportError("return of long not supported at this time, return a pointer to long instead");
    flushRegisters(tempCounter);
    emit(" TXS\n");
    emit(" PLA\n TAX\n RTS\n");
    match(SEMICOLON);
}

// 'outp' '(' address ',' byte ')' ';' and 'outpw' '(' address ',' word ')' ';'
// The address is evaluated into BX, the value into CX.
void compilePortWrite(ExprNode* root, bool word)
{
    tempCounter = FIRST_TEMP;
    match(word ? KW_OUTPW : KW_OUTP);
    match(LPAREN);
    if (word)
        emit("* outpw( \n");
    else
        emit("* outp( \n");
    evaluate(root);
    match(COMMA);
    evaluate(root);
    if (word) {
        const char* address2 = wordOperand(tempCounter - 4);
        const char* value2 = wordOperand(tempCounter - 2);
        const char* address = wordOperand(tempCounter - 4);
        const char* value = wordOperand(tempCounter - 2);
        emit(" LDA {}\n LDY #0\n STA ({}),Y\n LDA {}+1\n INY\n STA ({}),Y\n", value, address, value2, address2);
    } else {
        const char* address = wordOperand(tempCounter - 4);
        const char* value = byteOperand(tempCounter - 2, false);
        emit(" LDA {}\n LDY #0\n STA ({}),Y\n", value, address);
    }
    match(RPAREN);
    tempCounter -= 4;
    match(SEMICOLON);
}

// A token that cannot start a statement: report it, then skip to the next
// '}' (or the end of input) so that the enclosing list ends there and the
// compilation goes on.
void recoverFromSyntaxError()
{
    printDiagnostic("error: expected {} but found {}\n", "statement such as if, while, or return",
                    tokenSpelling(currentToken));
    reportError("syntax error");
    match(currentToken);
    while (currentToken != RBRACE && currentToken != ENDFILE)
        match(currentToken);
}

void dispatchStatement(ExprNode* root)
{
    switch (currentToken) {
    case ID: compileIdentifierStatement(); break;
    case STAR: compileStarStatement(); break;
    case KW_ASM: compileInlineAssembly(); break;
    case LBRACE: compileBlock(); break;
    case KW_DO: compileDo(root); break;
    case KW_FOR: compileFor(root); break;
    case KW_GOTO: compileGoto(); break;
    case KW_IF: compileIf(root); break;
    case KW_OUTP: compilePortWrite(root, false); break;
    case KW_OUTPW: compilePortWrite(root, true); break;
    case KW_RETURN: compileReturn(root); break;
    case KW_WHILE: compileWhile(root); break;
    default: recoverFromSyntaxError(); break;
    }
}

}  // namespace

// Compiles one statement starting at currentToken; its expressions are parsed
// into a root node that lives exactly as long as the statement.
void compileStatement()
{
    if (statementDepth >= MAX_STATEMENT_NESTING)
        fatalError("error: nesting too deep");
    statementDepth += 1;
    ExprNode* root = newNode();
    dispatchStatement(root);
    deleteTree(root);
    statementDepth -= 1;
}

// statement* '}' -- the list also stops at the end of input, where the match
// of '}' ends the run.
void compileStatementList()
{
    while (currentToken != RBRACE && currentToken != ENDFILE)
        compileStatement();
    match(RBRACE);
}

// The tail of an if statement with labels L and L+1: ['else' statement].
void compileElse(int32_t label)
{
    if (currentToken == KW_ELSE) {
        match(KW_ELSE);
        emit(" JMP LL{}\n", label + 1);
        emit("LL{} EQU *\n", label);
        compileStatement();
        emit("LL{} EQU *\n", label + 1);
    } else {
        emit("LL{} EQU *\n", label);
    }
}
