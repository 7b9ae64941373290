// Expression parser: recursive descent over ten precedence levels that builds
// the tree in place. Each level receives the node that holds the operand
// parsed so far; a level that takes an operator wraps that operand (it
// becomes the left child) and turns the node into its operator node. Each
// returns the TypeCode of what it parsed, and operand types are balanced with
// conversion nodes as the tree grows.
#include <cstdio>

#include "base/diagnostics.h"
#include "expr/expr.h"
#include "lexer/lexer.h"

int32_t argumentIndex;

namespace {

// Parentheses, unary operators, index brackets and argument lists inside
// one another.
constexpr int NESTING_LIMIT = 200;
int nestingDepth = 0;

// Every recursive step of the parser (a nested operand, the continuation of an
// operator chain, a further argument) counts here; the bound keeps the
// compiler's own stack safe here and in every walk over the tree it builds.
constexpr int PARSE_DEPTH_LIMIT = 2000;
int parseDepth = 0;

void enterNesting()
{
    if (++nestingDepth > NESTING_LIMIT) {
        fatalError("error: nesting too deep");
    }
}

void leaveNesting()
{
    --nestingDepth;
}

void enterDepth()
{
    if (++parseDepth > PARSE_DEPTH_LIMIT) {
        fatalError("error: nesting too deep");
    }
}

void leaveDepth()
{
    --parseDepth;
}

using Level = TypeCode (*)(TypeCode leftType, ExprNode* node);

TypeCode parseUnary(ExprNode* node);
TypeCode parseMultiplicative(TypeCode leftType, ExprNode* node);
TypeCode parseAdditive(TypeCode leftType, ExprNode* node);
TypeCode parseRelational(TypeCode leftType, ExprNode* node);
TypeCode parseBitAnd(TypeCode leftType, ExprNode* node);
TypeCode parseBitXor(TypeCode leftType, ExprNode* node);
TypeCode parseBitOr(TypeCode leftType, ExprNode* node);
TypeCode parseLogicalAnd(TypeCode leftType, ExprNode* node);

// The levels a right operand runs through after parseUnary, tightest first;
// a level's right operand uses a prefix of this list. The shift level is not
// here: no right operand can contain a shift.
constexpr Level OPERAND_LEVELS[] = {
    parseMultiplicative, parseAdditive, parseRelational, parseBitAnd,
    parseBitXor, parseBitOr, parseLogicalAnd,
};

bool isBool(TypeCode type)
{
    return baseType(type) == BASE_BOOL;
}

// Makes node an EMPTY wrapper over the expression parsed so far.
void wrap(ExprNode* node)
{
    if (node->op == EMPTY) {
        pullUp(node);
    }
    if (node->op != EMPTY) {
        pushDown(node);
    }
}

// Right operand of a binary operator: unary, then the first levelCount levels
// of OPERAND_LEVELS, each balanced against the operand so far.
TypeCode parseOperand(ExprNode* operand, int levelCount)
{
    TypeCode type = parseUnary(operand);
    for (int k = 0; k < levelCount; k++) {
        TypeCode result = OPERAND_LEVELS[k](k == 0 ? 0 : type, operand);
        type = balanceTypes(type, result, operand);
    }
    if (operand->op == EMPTY) {
        pullUp(operand);
    }
    return type;
}

// Makes node the operator node of the token at hand, over the operand it
// held as the left child and a fresh right child.
ExprNode* takeOperator(ExprNode* node)
{
    wrap(node);
    TokenCode op = currentToken;
    node->op = op;
    node->sym = tokenSymbol;
    node->right = newNode();
    match(op);
    return node->right;
}

// Next operator of the chain: the node so far becomes the left operand of
// whatever continuation parses, and the two types are balanced.
TypeCode continueChain(TypeCode type, ExprNode* node, Level continuation)
{
    enterDepth();
    TypeCode more = continuation(type, node);
    type = balanceTypes(type, more, node);
    if (node->op == EMPTY) {
        pullUp(node);
    }
    leaveDepth();
    return type;
}

// A left-associative level whose right operand runs through levelCount
// levels and whose chain goes on with continuation.
TypeCode parseBinary(TypeCode leftType, ExprNode* node, int levelCount, Level continuation)
{
    ExprNode* right = takeOperator(node);
    TypeCode rightType = parseOperand(right, levelCount);
    TypeCode type = balanceTypes(leftType, rightType, node);
    return continueChain(type, node, continuation);
}

const char* boolWarning(TokenCode op)
{
    switch (op) {
    case STAR: return "'*' : unsafe use of type 'bool' in operation";
    case SLASH: return "'/' : unsafe use of type 'bool' in operation";
    case PERCENT: return "'%' : unsafe use of type 'bool' in operation";
    case SHL: return "'<<' : unsafe use of type 'bool' in operation";
    default: return "'>>' : unsafe use of type 'bool' in operation";
    }
}

// multiplicative: ( '*' | '/' | '%' ) unary, repeated.
// The right operand is a bare unary; the product is balanced by the caller.
// Returns 0 without an operator, else the last right operand's type balanced
// with those after it.
TypeCode parseMultiplicative(TypeCode leftType, ExprNode* node)
{
    TokenCode op = currentToken;
    if (op != STAR && op != SLASH && op != PERCENT) {
        return 0;
    }
    ExprNode* right = takeOperator(node);
    if (isBool(leftType)) {
        reportWarning(boolWarning(op));
    }
    TypeCode rightType = parseUnary(right);
    if (isBool(rightType)) {
        reportWarning(boolWarning(op));
    }
    enterDepth();
    TypeCode more = parseMultiplicative(leftType, node);
    TypeCode type = balanceTypes(rightType, more, node);
    if (node->op == EMPTY) {
        pullUp(node);
    }
    leaveDepth();
    return type;
}

// additive: ( '+' | '-' ) multiplicative, repeated. 0 without an operator.
TypeCode parseAdditive(TypeCode leftType, ExprNode* node)
{
    if (currentToken != PLUS && currentToken != MINUS) {
        return 0;
    }
    return parseBinary(leftType, node, 1, parseAdditive);
}

// shift: ( '<<' | '>>' ) multiplicative, once; then only the additive
// operators continue the chain. 0 without an operator.
TypeCode parseShift(TypeCode leftType, ExprNode* node)
{
    TokenCode op = currentToken;
    if (op != SHL && op != SHR) {
        return 0;
    }
    ExprNode* right = takeOperator(node);
    if (isBool(leftType)) {
        reportWarning(boolWarning(op));
    }
    TypeCode rightType = parseOperand(right, 1);
    TypeCode type = balanceTypes(leftType, rightType, node);
    return continueChain(type, node, parseAdditive);
}

// relational: one of '<' '<=' '!=' '==' '>' '>=' and an additive operand, at
// most once (comparisons do not chain). Bool, or the left type without one.
TypeCode parseRelational(TypeCode leftType, ExprNode* node)
{
    TokenCode op = currentToken;
    if (op != LT && op != LE && op != NE && op != EQ && op != GT && op != GE) {
        return leftType;
    }
    ExprNode* right = takeOperator(node);
    TypeCode rightType = parseOperand(right, 2);
    balanceTypes(leftType, rightType, node);
    return BASE_BOOL;
}

// bit-and: '&' relational, repeated. The left type without an operator.
TypeCode parseBitAnd(TypeCode leftType, ExprNode* node)
{
    if (currentToken != AMP) {
        return leftType;
    }
    return parseBinary(leftType, node, 3, parseBitAnd);
}

// bit-xor: '^' bit-and, repeated.
TypeCode parseBitXor(TypeCode leftType, ExprNode* node)
{
    if (currentToken != CARET) {
        return leftType;
    }
    return parseBinary(leftType, node, 4, parseBitXor);
}

// bit-or: '|' bit-xor, repeated.
TypeCode parseBitOr(TypeCode leftType, ExprNode* node)
{
    if (currentToken != BAR) {
        return leftType;
    }
    return parseBinary(leftType, node, 5, parseBitOr);
}

// logical-and: '&&' bit-or, repeated.
TypeCode parseLogicalAnd(TypeCode leftType, ExprNode* node)
{
    if (currentToken != ANDAND) {
        return leftType;
    }
    return parseBinary(leftType, node, 6, parseLogicalAnd);
}

// logical-or: '||' logical-and, repeated.
TypeCode parseLogicalOr(TypeCode leftType, ExprNode* node)
{
    if (currentToken != OROR) {
        return leftType;
    }
    return parseBinary(leftType, node, 7, parseLogicalOr);
}

// Argument node against the parameter type: a wider parameter of the same
// pointerness widens it silently; otherwise a note, and a narrower parameter
// narrows it (with a warning when a computed scalar is cut).
void checkArgument(ExprNode* argument, TypeCode argumentType, TypeCode parameterType)
{
    int parameterBase = baseType(parameterType);
    int argumentBase = baseType(argumentType);
    if (parameterBase == BASE_VOID || parameterBase == argumentBase) {
        return;
    }
    constexpr TypeCode POINTERNESS = POINTER | ARRAY;
    if (parameterBase > argumentBase &&
        (parameterType & POINTERNESS) == (argumentType & POINTERNESS)) {
        balanceTypes(parameterType, argumentType, argument);
        return;
    }
    constexpr TypeCode NOTE_MASK = BASE_MASK | POINTER | ARRAY;
    printf("line %d: note: parameter expected %02X type, argument found %02X type\n",
           lineNumber, parameterType & NOTE_MASK, argumentType & NOTE_MASK);
    if (parameterBase < argumentBase) {
        bool constant = argument->op == LCONST || argument->op == ICONST || argument->op == CCONST;
        if (!constant && !(parameterType & POINTERNESS) && !(argumentType & POINTERNESS)) {
            reportWarning("warning: type truncation of argument to parameter, possible data loss");
        }
        pushDown(argument);
        narrowNode(parameterType, argumentType, argument);
        pullUp(argument);
    }
}

// Type of the parameter at index of function's frozen list, 0 past its end
// or when the function has no list.
TypeCode parameterTypeAt(int32_t function, int32_t index)
{
    const SymbolEntry& entry = symbolAt(function);
    if (!(entry.type & FUNCTION) || entry.parameterTypes == nullptr || index < 0) {
        return 0;
    }
    for (int32_t k = 0; k < index; k++) {
        if (entry.parameterTypes[k] == 0) {
            return 0;
        }
    }
    return entry.parameterTypes[index];
}

bool hasParameterList(int32_t function)
{
    const SymbolEntry& entry = symbolAt(function);
    return (entry.type & FUNCTION) && entry.parameterTypes != nullptr;
}

// more-arguments: { ',' expression }. Each argument becomes a COMMA cell in
// cell; without a comma the cell stays EMPTY.
void parseMoreArguments(int32_t function, ExprNode* cell)
{
    if (currentToken != COMMA) {
        return;
    }
    enterDepth();
    cell->op = COMMA;
    cell->sym = tokenSymbol;
    cell->left = newNode();
    match(COMMA);
    TypeCode argumentType = parseExpression(cell->left);
    TypeCode parameterType = 0;
    if (hasParameterList(function)) {
        parameterType = parameterTypeAt(function, argumentIndex);
        argumentIndex++;
    }
    checkArgument(cell->left, argumentType, parameterType);
    cell->right = newNode();
    parseMoreArguments(function, cell->right);
    if (cell->right->op == EMPTY) {
        deleteTree(cell->right);
        cell->right = nullptr;
    }
    leaveDepth();
}

// postfix: '[' expression ']' | '(' arguments | nothing, after the name of
// symbol; the suffix goes into the ID node's child suffix.
TypeCode parsePostfix(int32_t symbol, ExprNode* suffix)
{
    TypeCode type = symbolAt(symbol).type;
    if (currentToken == LBRACKET) {
        if (type == 0) {
            fatalError("error: undefined symbol");
        }
        if (type & FUNCTION) {
            fatalError("error: function/procedure unexpected");
        }
        if (!(type & ARRAY)) {
            fatalError("error: expected array name");
        }
        suffix->op = LBRACKET;
        suffix->sym = tokenSymbol;
        suffix->left = newNode();
        match(LBRACKET);
        enterNesting();
        parseExpression(suffix->left);
        leaveNesting();
        match(RBRACKET);
        return type & ~(ARRAY | POINTER);
    }
    if (currentToken == LPAREN) {
        if (!(type & FUNCTION)) {
            fatalError("error: expected function/procedure");
        }
        if (baseType(type) == BASE_VOID) {
            fatalError("error: expected function");
        }
        suffix->op = LPAREN;
        suffix->sym = tokenSymbol;
        suffix->left = newNode();
        match(LPAREN);
        enterNesting();
        parseArguments(symbol, suffix->left);
        leaveNesting();
        return type & ~FUNCTION;
    }
    suffix->sym = tokenSymbol;
    return type;
}

// A prefix operator node over a fresh operand; returns the operand's type.
TypeCode parsePrefix(ExprNode* node, int32_t op)
{
    node->op = op;
    node->sym = tokenSymbol;
    node->left = newNode();
    match(currentToken);
    enterNesting();
    TypeCode type = parseUnary(node->left);
    leaveNesting();
    return type;
}

// A cast or port read: keyword '(' expression ')'; returns the type of the
// keyword's own entry.
TypeCode parseKeywordCall(ExprNode* node, int32_t op)
{
    int32_t keyword = tokenSymbol;
    node->op = op;
    node->sym = keyword;
    node->left = newNode();
    match(currentToken);
    match(LPAREN);
    enterNesting();
    parseExpression(node->left);
    leaveNesting();
    match(RPAREN);
    return symbolAt(keyword).type;
}

// unary: constant | name postfix | '(' expression ')' | ('*' | '+' | '-' |
//        '~' | '!') unary | ('char' | 'int' | 'short' | 'inp' | 'inpw')
//        '(' expression ')'
TypeCode parseUnaryForm(ExprNode* node)
{
    switch (currentToken) {
    case ICONST:
    case LCONST:
    case CCONST:
        node->op = currentToken;
        node->intValue = tokenIntValue;
        node->floatValue = 0.0;
        if (tokenFloatValue == 0.0) {
            match(ICONST);
            return BASE_INT;
        }
        node->op = FCONST;
        node->intValue = 0;
        node->floatValue = tokenFloatValue;
        match(ICONST);
        return BASE_FLOAT;
    case FCONST:
        node->op = FCONST;
        node->intValue = 0;
        node->floatValue = tokenFloatValue;
        match(FCONST);
        return BASE_FLOAT;
    case ID: {
        int32_t symbol = tokenSymbol;
        if (symbolAt(symbol).type == 0) {
            fatalError("error: undefined symbol");
        }
        node->op = ID;
        node->sym = symbol;
        node->left = newNode();
        match(ID);
        return parsePostfix(symbol, node->left);
    }
    case LPAREN: {
        match(LPAREN);
        enterNesting();
        TypeCode type = parseExpression(node);
        leaveNesting();
        match(RPAREN);
        return type;
    }
    case STAR:
        return parsePrefix(node, STAR) & ~(ARRAY | POINTER);
    case PLUS: {
        match(PLUS);
        enterNesting();
        TypeCode type = parseUnary(node);
        leaveNesting();
        return type;
    }
    case MINUS:
        return parsePrefix(node, MINUS);
    case TILDE:
    case BANG: {
        TypeCode type = parsePrefix(node, currentToken);
        if (baseType(type) == BASE_FLOAT) {
            reportWarning("'NOT' : unsafe use of type 'REAL' in operation");
        }
        return type;
    }
    case KW_CHAR:
        return parseKeywordCall(node, CAST_CHAR);
    case KW_INT:
    case KW_SHORT:
        return parseKeywordCall(node, CAST_INT);
    case KW_INP:
    case KW_INPW:
        return parseKeywordCall(node, currentToken);
    default:
        printDiagnostic("error: expected {} but found {}\n", "ID", tokenSpelling(currentToken));
        fatalError("syntax error");
    }
}

TypeCode parseUnary(ExprNode* node)
{
    enterDepth();
    TypeCode type = parseUnaryForm(node);
    leaveDepth();
    return type;
}

}  // namespace

// expression: unary, then the multiplicative, additive and shift levels, each
// balanced with the expression so far, then the relational level, then
// bit-and, bit-xor, bit-or, logical-and and logical-or. Stops at the first
// token no level takes and leaves it in currentToken.
TypeCode parseExpression(ExprNode* node)
{
    enterDepth();
    freeTree(node);
    node->op = EMPTY;
    node->sym = 0;
    TypeCode type = parseUnary(node);
    constexpr Level BALANCED_LEVELS[] = {parseMultiplicative, parseAdditive, parseShift};
    for (Level level : BALANCED_LEVELS) {
        TypeCode result = level(type, node);
        type = balanceTypes(type, result, node);
        if (node->op == EMPTY) {
            pullUp(node);
        }
    }
    TypeCode relation = parseRelational(type, node);
    if (relation != 0) {
        type = relation;
    }
    constexpr Level LOOSE_LEVELS[] = {parseBitAnd, parseBitXor, parseBitOr, parseLogicalAnd, parseLogicalOr};
    for (Level level : LOOSE_LEVELS) {
        type = level(type, node);
    }
    if (node->op == EMPTY) {
        pullUp(node);
    }
    leaveDepth();
    return type;
}

// arguments: ')' | expression more-arguments ')', for a call of function; the
// list goes into list (RPAREN when empty, else a chain of COMMA cells) and
// each argument is checked against its parameter type.
void parseArguments(int32_t function, ExprNode* list)
{
    TypeCode type = symbolAt(function).type;
    if (currentToken == RPAREN) {
        if (!(type & FUNCTION)) {
            fatalError("error: expected function/procedure");
        }
        list->op = RPAREN;
        list->sym = tokenSymbol;
    } else {
        if (!(type & FUNCTION)) {
            fatalError("error: expected function/procedure");
        }
        list->op = COMMA;
        list->sym = 0;
        list->left = newNode();
        TypeCode argumentType = parseExpression(list->left);
        TypeCode parameterType = 0;
        if (hasParameterList(function)) {
            parameterType = parameterTypeAt(function, 0);
            argumentIndex = 1;
        }
        checkArgument(list->left, argumentType, parameterType);
        list->right = newNode();
        parseMoreArguments(function, list->right);
        if (list->right->op == EMPTY) {
            deleteTree(list->right);
            list->right = nullptr;
        }
    }
    match(RPAREN);
}
