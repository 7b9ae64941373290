// Test-only support for the expression tests (see expr_harness.h).
#include "expr_harness.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <deque>

#include "driver/driver.h"
#include "symbols/symbols.h"

namespace {

FILE* expressionSource;                            // our own stream
std::deque<std::vector<int32_t>> parameterLists;  // outlive the entries using them

const char* operatorName(int32_t op)
{
    switch (op) {
    case PLUS: return "+";
    case MINUS: return "-";
    case STAR: return "*";
    case SLASH: return "/";
    case PERCENT: return "%";
    case SHL: return "<<";
    case SHR: return ">>";
    case LT: return "<";
    case LE: return "<=";
    case NE: return "!=";
    case EQ: return "==";
    case GT: return ">";
    case GE: return ">=";
    case AMP: return "&";
    case CARET: return "^";
    case BAR: return "|";
    case ANDAND: return "&&";
    case OROR: return "||";
    case TILDE: return "~";
    case BANG: return "!";
    case BOOL_TO_CHAR: return "BOOL_TO_CHAR";
    case INT_TO_CHAR: return "INT_TO_CHAR";
    case LONG_TO_CHAR: return "LONG_TO_CHAR";
    case FLOAT_TO_CHAR: return "FLOAT_TO_CHAR";
    case BOOL_TO_INT: return "BOOL_TO_INT";
    case CHAR_TO_INT: return "CHAR_TO_INT";
    case LONG_TO_INT: return "LONG_TO_INT";
    case FLOAT_TO_INT: return "FLOAT_TO_INT";
    case BOOL_TO_LONG: return "BOOL_TO_LONG";
    case CHAR_TO_LONG: return "CHAR_TO_LONG";
    case INT_TO_LONG: return "INT_TO_LONG";
    case FLOAT_TO_LONG: return "FLOAT_TO_LONG";
    case CHAR_TO_FLOAT: return "CHAR_TO_FLOAT";
    case INT_TO_FLOAT: return "INT_TO_FLOAT";
    case LONG_TO_FLOAT: return "LONG_TO_FLOAT";
    case CAST_CHAR: return "char";
    case CAST_INT: return "int";
    case KW_INP: return "inp";
    case KW_INPW: return "inpw";
    default: return nullptr;
    }
}

std::string argumentsText(const ExprNode* list)
{
    if (list == nullptr) {
        return "<null>";
    }
    if (list->op == RPAREN) {
        return "";
    }
    std::string text;
    for (const ExprNode* cell = list; cell != nullptr; cell = cell->right) {
        if (cell->op != COMMA) {
            return text + "<cell " + std::to_string(cell->op) + ">";
        }
        if (!text.empty()) {
            text += ", ";
        }
        text += treeText(cell->left);
    }
    return text;
}

}  // namespace

void openExpression(const std::string& text)
{
    if (expressionSource != nullptr) {
        fclose(expressionSource);
    }
    expressionSource = tmpfile();
    ASSERT_NE(expressionSource, nullptr);
    fwrite(text.data(), 1, text.size(), expressionSource);
    rewind(expressionSource);
    sourceFile = expressionSource;
    resetScanner();
    initSymbolTable();
    symbolTable.declarationMode = 0;
    declareName("b", 1);
    declareName("c", 11);
    declareName("uc", 3);
    declareName("i", 12);
    declareName("j", 12);
    declareName("x", 12);
    declareName("y", 12);
    declareName("z", 12);
    declareName("u", 4);
    declareName("l", 13);
    declareName("r", 14);
    declareName("p", 139);
    declareName("ip", 140);
    declareName("a", 12 | ARRAY);
    symbolAt(declareName("k", 12 | CONST)).intValue = 10;
    symbolAt(declareName("kc", 11 | CONST)).intValue = 7;
    symbolAt(declareName("kr", 14 | CONST)).floatValue = 2.5;
    symbolAt(declareName("kz", 14 | CONST)).floatValue = 0.0;
    symbolAt(declareName("kl", 13 | CONST)).intValue = 100000;
    symbolAt(declareName("cb", 1 | CONST)).intValue = 1;
    declareName("f", 12 | FUNCTION);
    declareName("v", 0 | FUNCTION);
    declareName("g", 12 | FUNCTION, {12});
    declareName("sc", 12 | FUNCTION, {11});
    declareName("h", 12 | FUNCTION, {12, 11});
    declareName("q", 12 | FUNCTION, {139});
}

int32_t declareName(const char* name, TypeCode type, const std::vector<TypeCode>& parameters)
{
    int32_t index = insertSymbol(name, ID);
    SymbolEntry& entry = symbolAt(index);
    entry.type = type;
    entry.intValue = 0;
    entry.floatValue = 0.0;
    entry.parameterTypes = nullptr;
    if (!parameters.empty()) {
        parameterLists.emplace_back(parameters);
        parameterLists.back().push_back(0);
        entry.parameterTypes = parameterLists.back().data();
    }
    return index;
}

ExprNode* parseOpened(TypeCode* type)
{
    currentToken = nextToken();
    ExprNode* root = newNode();
    TypeCode result = parseExpression(root);
    if (type != nullptr) {
        *type = result;
    }
    return root;
}

ExprNode* parseText(const std::string& text, TypeCode* type)
{
    openExpression(text);
    return parseOpened(type);
}

std::string treeText(const ExprNode* node)
{
    if (node == nullptr) {
        return "<null>";
    }
    switch (node->op) {
    case EMPTY:
        return node->left == nullptr ? "EMPTY" : "(EMPTY " + treeText(node->left) + ")";
    case CCONST: return std::to_string(node->intValue) + ":char";
    case ICONST: return std::to_string(node->intValue) + ":int";
    case LCONST: return std::to_string(node->intValue) + ":long";
    case FCONST: {
        char text[64];
        snprintf(text, sizeof text, "%g:float", node->floatValue);
        return text;
    }
    case ID: {
        std::string name = symbolAt(node->sym).name;
        const ExprNode* suffix = node->left;
        if (suffix == nullptr || suffix->op == EMPTY) {
            return name;
        }
        if (suffix->op == LBRACKET) {
            return name + "[" + treeText(suffix->left) + "]";
        }
        if (suffix->op == LPAREN) {
            return name + "(" + argumentsText(suffix->left) + ")";
        }
        return name + "<suffix " + std::to_string(suffix->op) + ">";
    }
    default:
        break;
    }
    std::string name;
    if (node->op == MINUS && node->right == nullptr) {
        name = "neg";
    } else if (node->op == STAR && node->right == nullptr) {
        name = "deref";
    } else if (const char* known = operatorName(node->op)) {
        name = known;
    } else {
        name = "<op " + std::to_string(node->op) + ">";
    }
    std::string text = "(" + name + " " + treeText(node->left);
    if (node->right != nullptr) {
        text += " " + treeText(node->right);
    }
    return text + ")";
}

std::string parsedText(const std::string& text, TypeCode* type)
{
    ExprNode* root = parseText(text, type);
    std::string printed = treeText(root);
    deleteTree(root);
    return printed;
}

std::string foldedText(const std::string& text, TypeCode* type)
{
    ExprNode* root = parseText(text);
    TypeCode result = inferType(root, 0);
    if (type != nullptr) {
        *type = result;
    }
    std::string printed = treeText(root);
    deleteTree(root);
    return printed;
}

ExprNode* leaf(int32_t op, int32_t value)
{
    ExprNode* node = newNode();
    node->op = op;
    node->intValue = value;
    return node;
}

ExprNode* operatorOver(int32_t op, ExprNode* left, ExprNode* right)
{
    ExprNode* node = newNode();
    node->op = op;
    node->left = left;
    node->right = right;
    return node;
}
