// Type balancing of the parser: an operator whose operands have different base
// types gets its integer constants retyped towards the other side and a
// widening node over the narrower operand; assignments and arguments get a
// narrowing node over a wider value.
#include "base/diagnostics.h"
#include "expr/expr.h"

namespace {

bool isConstantNode(const ExprNode* node)
{
    return node->op == LCONST || node->op == ICONST || node->op == CCONST || node->op == FCONST;
}

// The constant that stands for one side of an operator: the child itself when
// it is a constant, else the operand of a '!', '-', '+' or '~' child.
ExprNode* sideConstant(ExprNode* child, bool throughWrapper)
{
    if (child == nullptr) {
        return nullptr;
    }
    if (!throughWrapper) {
        return isConstantNode(child) ? child : nullptr;
    }
    if (isConstantNode(child)) {
        return nullptr;
    }
    if (child->op == BANG || child->op == MINUS || child->op == PLUS || child->op == TILDE) {
        return child->left;
    }
    return nullptr;
}

// One retyping rule: a constant of kind from on the left side becomes kind to
// when leftWants holds for (left base, right base), and likewise on the right;
// the side's base type becomes the new kind's. Direct children come first,
// then the constants under a unary or '+' wrapper.
void retypeConstants(ExprNode* node, int32_t from, int32_t to, int toBase, bool whenLeftSmaller,
                     int& leftBase, int& rightBase)
{
    for (int pass = 0; pass < 2; pass++) {
        bool throughWrapper = pass == 1;
        ExprNode* left = sideConstant(node->left, throughWrapper);
        if (left != nullptr && left->op == from &&
            (whenLeftSmaller ? leftBase < rightBase : leftBase > rightBase)) {
            left->op = to;
            leftBase = toBase;
        }
        ExprNode* right = sideConstant(node->right, throughWrapper);
        if (right != nullptr && right->op == from &&
            (whenLeftSmaller ? leftBase > rightBase : leftBase < rightBase)) {
            right->op = to;
            rightBase = toBase;
        }
    }
}

// Kind of the widening node from base type from to base type to; EMPTY when
// the pair has no conversion of its own (bool to float, anything from void).
int32_t wideningKind(int to, int from)
{
    switch (to * 8 + from) {
    case BASE_FLOAT * 8 + BASE_LONG: return LONG_TO_FLOAT;
    case BASE_FLOAT * 8 + BASE_INT: return INT_TO_FLOAT;
    case BASE_FLOAT * 8 + BASE_CHAR: return CHAR_TO_FLOAT;
    case BASE_LONG * 8 + BASE_INT: return INT_TO_LONG;
    case BASE_LONG * 8 + BASE_CHAR: return CHAR_TO_LONG;
    case BASE_LONG * 8 + BASE_BOOL: return BOOL_TO_LONG;
    case BASE_INT * 8 + BASE_CHAR: return CHAR_TO_INT;
    case BASE_INT * 8 + BASE_BOOL: return BOOL_TO_INT;
    case BASE_CHAR * 8 + BASE_BOOL: return BOOL_TO_CHAR;
    default: return EMPTY;
    }
}

// Puts a widening node between the operator and one of its children.
void insertWidening(ExprNode*& child, int to, int from)
{
    ExprNode* conversion = newNode();
    conversion->op = wideningKind(to, from);
    conversion->left = child;
    child = conversion;
}

}  // namespace

// Balances the operand types left and right of node: integer constants are
// retyped towards the other side (int to long next to a wider operand, long
// back to int, int to char next to a char), then the narrower child is
// widened. Returns the wider base type with the SIGNED flag of either side.
// A type of 0 (nothing parsed) leaves the other as it is.
TypeCode balanceTypes(TypeCode left, TypeCode right, ExprNode* node)
{
    if (left == 0) {
        return right;
    }
    if (right == 0) {
        return left;
    }
    if ((left & FUNCTION) || (right & FUNCTION)) {
        fatalError("error: function/procedure unexpected");
    }
    TypeCode flags = (left | right) & SIGNED;
    int leftBase = baseType(left);
    int rightBase = baseType(right);
    if (leftBase != rightBase) {
        retypeConstants(node, ICONST, LCONST, BASE_LONG, true, leftBase, rightBase);
        retypeConstants(node, LCONST, ICONST, BASE_INT, false, leftBase, rightBase);
        retypeConstants(node, ICONST, CCONST, BASE_CHAR, false, leftBase, rightBase);
    }
    int wider = leftBase > rightBase ? leftBase : rightBase;
    if (wider != leftBase && node->left != nullptr) {
        insertWidening(node->left, wider, leftBase);
    }
    if (wider != rightBase && node->right != nullptr) {
        insertWidening(node->right, wider, rightBase);
    }
    return wider | flags;
}

// Makes node (an EMPTY wrapper over the value) a narrowing conversion from
// base type source to base type target; pairs that do not narrow leave it as
// it is. Returns the source type with the target's base type.
TypeCode narrowNode(TypeCode target, TypeCode source, ExprNode* node)
{
    if (source == 0) {
        return target;
    }
    if ((target & FUNCTION) || (source & FUNCTION)) {
        fatalError("error: function/procedure unexpected");
    }
    switch (baseType(target) * 8 + baseType(source)) {
    case BASE_CHAR * 8 + BASE_INT: node->op = INT_TO_CHAR; break;
    case BASE_CHAR * 8 + BASE_LONG: node->op = LONG_TO_CHAR; break;
    case BASE_INT * 8 + BASE_LONG: node->op = LONG_TO_INT; break;
    case BASE_CHAR * 8 + BASE_FLOAT: node->op = FLOAT_TO_CHAR; break;
    case BASE_INT * 8 + BASE_FLOAT: node->op = FLOAT_TO_INT; break;
    case BASE_LONG * 8 + BASE_FLOAT: node->op = FLOAT_TO_LONG; break;
    default: break;
    }
    return (source & ~BASE_MASK) | baseType(target);
}
