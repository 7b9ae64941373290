// Comparisons: a subtraction chain over the operand bytes, then a tail that
// turns the flags into $FF (true) or 0 (false) in the low byte of the left
// operand's slot. The only operators that look at signedness and the only
// ones that branch inside an expression.
#include "expr/expr.h"
#include "output/output.h"
#include "stmt/stmt.h"

namespace {

int slotWidth(TypeCode type)
{
    return operandWidth(type, type) == 4 ? 4 : 2;
}

// == and !=: any differing byte pair jumps to LL(L+1), which loads $FF; an
// equal chain reaches LL(L) with 0 in A.
void emitEquality(int32_t op, int width, int left, int right, int32_t label)
{
    if (width == 1) {
        const char* second = byteOperand(right, true);
        const char* first = byteOperand(left, true);
        emit(" LDA {}\n SEC\n SBC {}\n", first, second);
        emit(" BEQ LL{}\n", label);
    } else if (width == 2) {
        const char* r1 = byteOperand(right + 1, true);
        const char* l1 = byteOperand(left + 1, true);
        const char* r0 = byteOperand(right, true);
        const char* l0 = byteOperand(left, true);
        emit(" LDA {}\n SEC\n SBC {}\n BNE LL{}\n LDA {}\n SBC {}\n BEQ LL{}\n",
             l0, r0, label + 1, l1, r1, label);
    } else {
        const char* r3 = byteOperand(right + 3, true);
        const char* l3 = byteOperand(left + 3, true);
        const char* r2 = byteOperand(right + 2, true);
        const char* l2 = byteOperand(left + 2, true);
        const char* r1 = byteOperand(right + 1, true);
        const char* l1 = byteOperand(left + 1, true);
        const char* r0 = byteOperand(right, true);
        const char* l0 = byteOperand(left, true);
        emit(" LDA {}\n SEC\n SBC {}\n BNE LL{}\n LDA {}\n SBC {}\n BNE LL{}\n"
             " LDA {}\n SBC {}\n BNE LL{}\n LDA {}\n SBC {}\n BEQ LL{}\n",
             l0, r0, label + 1, l1, r1, label + 1, l2, r2, label + 1, l3, r3, label);
    }
    const char* result = byteOperand(left, false);
    if (op == EQ)
        emit("LL{} EQU *\n LDA #$0FF\nLL{} EQU *\n EOR #$0FF\n STA {}\n", label + 1, label, result);
    else
        emit("LL{} EQU *\n LDA #$0FF\nLL{} EQU *\n STA {}\n", label + 1, label, result);
}

// <, <=, >, >=: first - second over all bytes; the borrow (unsigned) or
// the sign corrected by the overflow (signed) becomes the result.
void emitOrdering(int32_t op, bool isSigned, int width, int left, int right, int32_t label)
{
    bool leftFirst = op == LT || op == GE;
    int first = leftFirst ? left : right;
    int second = leftFirst ? right : left;
    for (int k = 0; k < width; k++) {
        const char* b = byteOperand(second + k, true);
        const char* a = byteOperand(first + k, true);
        if (k == 0)
            emit(" LDA {}\n SEC\n SBC {}\n", a, b);
        else
            emit(" LDA {}\n SBC {}\n", a, b);
    }
    const char* r3 = byteOperand(left, false);
    const char* r2 = byteOperand(left, false);
    const char* r1 = byteOperand(left, false);
    bool strict = op == LT || op == GT;
    if (isSigned && strict)
        emit(" BVS LL{}\n EOR #$0FF\nLL{} EQU *\n ASL A\n STA {}\n"
             " SBC {}\t* if neg sign set, now carry set, set true\n STA {}\n",
             label, label, r1, r2, r3);
    else if (isSigned)
        emit(" BVC LL{}\n EOR #$0FF\nLL{} EQU *\n ASL A\n STA {}\n"
             " SBC {}\t* if neg sign set, now carry set, set true\n STA {}\n",
             label, label, r1, r2, r3);
    else if (strict)
        emit(" STA {}\n SBC {}\t* if carry set, set true\n STA {}\n", r1, r2, r3);
    else
        emit(" STA {}\n SBC {}\t* if carry set, set true\n EOR #$0FF\n STA {}\n", r1, r2, r3);
}

}  // namespace

// Entered with both operands generated: the left one's slot lies below the
// right one's at the top of the temporaries. The result is a bool in a
// two-byte slot where the left operand was; labels L and L+1 are used.
TypeCode generateComparison(ExprNode* node, TypeCode leftType, TypeCode rightType)
{
    int width = operandWidth(leftType, rightType);
    int right = tempCounter - slotWidth(rightType);
    int left = right - slotWidth(leftType);
    int32_t label = labelCounter;
    if (node->op == EQ || node->op == NE) {
        emitEquality(node->op, width, left, right, label);
    } else {
        // An int constant never makes a comparison signed.
        bool isSigned = ((leftType & SIGNED) && node->left->op != ICONST) ||
                        ((rightType & SIGNED) && node->right->op != ICONST);
        emitOrdering(node->op, isSigned, width, left, right, label);
    }
    tempCounter = left + 2;
    labelCounter += 2;
    return BASE_BOOL;
}
