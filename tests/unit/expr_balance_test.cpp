// Type balancing while parsing: constants retyped towards the other operand,
// widening nodes over the narrower operand (twice over a char on the left of
// a sum with an int), the widening that a comparison gets as the right
// operand of the looser levels, the bool warnings of the multiplicative and
// shift levels, the warning for a complemented float, and narrowNode.
#include <gtest/gtest.h>

#include <string>

#include "driver/driver.h"
#include "expr/expr.h"
#include "expr_harness.h"

namespace {

// The parsed tree with what the parser wrote to standard error.
std::string parsedWithWarnings(const std::string& text, std::string* warnings, TypeCode* type = nullptr)
{
    errorLevel = 0;
    ::testing::internal::CaptureStderr();
    std::string printed = parsedText(text, type);
    *warnings = ::testing::internal::GetCapturedStderr();
    return printed;
}

}  // namespace

TEST(ExprBalanceConstants, ConstantNextToACharBecomesAChar)
{
    TypeCode type = 0;
    EXPECT_EQ(parsedText("c + 1", &type), "(+ c 1:char)");
    EXPECT_EQ(type, 11);
    // The expression level balances again with the constant's first type,
    // int, and widens the char on the right.
    EXPECT_EQ(parsedText("1 + c", &type), "(+ 1:char (CHAR_TO_INT c))");
    EXPECT_EQ(type, 12);
    EXPECT_EQ(parsedText("uc & 15", &type), "(& uc 15:char)");
    EXPECT_EQ(type, 3);
}

TEST(ExprBalanceConstants, ConstantNextToALongBecomesALong)
{
    TypeCode type = 0;
    EXPECT_EQ(parsedText("l + 1", &type), "(+ l 1:long)");
    EXPECT_EQ(type, 13);
    EXPECT_EQ(parsedText("1 - l", &type), "(- (INT_TO_LONG 1:long) l)");
    EXPECT_EQ(type, 13);
}

TEST(ExprBalanceConstants, ConstantNextToAFloatBecomesAWidenedLong)
{
    TypeCode type = 0;
    EXPECT_EQ(parsedText("r + 1", &type), "(+ r (LONG_TO_FLOAT 1:long))");
    EXPECT_EQ(type, 14);
    EXPECT_EQ(parsedText("1 * r", &type), "(* (LONG_TO_FLOAT 1:long) r)");
}

TEST(ExprBalanceConstants, ConstantUnderAUnaryOrSumIsRetypedToo)
{
    EXPECT_EQ(parsedText("c + -1"), "(+ c (neg 1:char))");
    EXPECT_EQ(parsedText("c & ~1"), "(& c (~ 1:char))");
    EXPECT_EQ(parsedText("c ^ !0"), "(^ c (! 0:char))");
    // The sum's own left constant is retyped, so the int sum counts as a char.
    EXPECT_EQ(parsedText("c + (1 + x)"), "(+ c (+ 1:char x))");
}

TEST(ExprBalanceConstants, LongConstantBackToIntThenToChar)
{
    ExprNode* node = operatorOver(PLUS, leaf(LCONST, 7), leaf(ID, 0));
    EXPECT_EQ(balanceTypes(5, 4, node), 4);
    EXPECT_EQ(node->left->op, ICONST);
    deleteTree(node);

    node = operatorOver(PLUS, leaf(LCONST, 7), leaf(ID, 0));
    EXPECT_EQ(balanceTypes(5, 3, node), 3);
    EXPECT_EQ(node->left->op, CCONST);
    EXPECT_EQ(node->left->intValue, 7);
    EXPECT_EQ(node->right->op, ID);  // nothing widened: both sides are char now
    deleteTree(node);

    node = operatorOver(PLUS, leaf(ID, 0), leaf(LCONST, 7));
    EXPECT_EQ(balanceTypes(12, 5, node), 12);
    EXPECT_EQ(node->right->op, ICONST);
    deleteTree(node);
}

TEST(ExprBalanceConstants, EqualBaseTypesRetypeNothing)
{
    ExprNode* node = operatorOver(PLUS, leaf(ICONST, 1), leaf(ICONST, 2));
    EXPECT_EQ(balanceTypes(4, 12, node), 12);
    EXPECT_EQ(node->left->op, ICONST);
    EXPECT_EQ(node->right->op, ICONST);
    deleteTree(node);
}

TEST(ExprBalanceWidening, EveryWideningPairHasItsNode)
{
    struct Case {
        TypeCode left;
        TypeCode right;
        const char* tree;
        TypeCode type;
    } cases[] = {
        {1, 3, "(+ (BOOL_TO_CHAR EMPTY) EMPTY)", 3},
        {1, 4, "(+ (BOOL_TO_INT EMPTY) EMPTY)", 4},
        {3, 4, "(+ (CHAR_TO_INT EMPTY) EMPTY)", 4},
        {1, 5, "(+ (BOOL_TO_LONG EMPTY) EMPTY)", 5},
        {3, 5, "(+ (CHAR_TO_LONG EMPTY) EMPTY)", 5},
        {4, 5, "(+ (INT_TO_LONG EMPTY) EMPTY)", 5},
        {3, 6, "(+ (CHAR_TO_FLOAT EMPTY) EMPTY)", 6},
        {4, 6, "(+ (INT_TO_FLOAT EMPTY) EMPTY)", 6},
        {5, 6, "(+ (LONG_TO_FLOAT EMPTY) EMPTY)", 6},
        {6, 4, "(+ EMPTY (INT_TO_FLOAT EMPTY))", 6},
        {1, 6, "(+ (EMPTY EMPTY) EMPTY)", 6},  // bool to float has no kind
        {0x80, 4, "(+ (EMPTY EMPTY) EMPTY)", 4},  // nor has void
    };
    for (const Case& c : cases) {
        ExprNode* node = operatorOver(PLUS, newNode(), newNode());
        EXPECT_EQ(balanceTypes(c.left, c.right, node), c.type) << c.left << " " << c.right;
        EXPECT_EQ(treeText(node), c.tree) << c.left << " " << c.right;
        deleteTree(node);
    }
}

TEST(ExprBalanceWidening, SignedFlagOfEitherSideOtherFlagsDropped)
{
    ExprNode* node = operatorOver(PLUS, newNode(), newNode());
    EXPECT_EQ(balanceTypes(139, 4, node), 12);
    EXPECT_EQ(balanceTypes(4, 3, node), 4);
    EXPECT_EQ(balanceTypes(0x80 | 0x20 | 4, 0x100 | 4, node), 4);
    deleteTree(node);
}

TEST(ExprBalanceWidening, ZeroTypeReturnsTheOtherUnchanged)
{
    ExprNode* node = operatorOver(PLUS, newNode(), newNode());
    EXPECT_EQ(balanceTypes(0, 139, node), 139);
    EXPECT_EQ(balanceTypes(0x200 | 4, 0, node), 0x200 | 4);
    EXPECT_EQ(treeText(node), "(+ EMPTY EMPTY)");
    deleteTree(node);
}

TEST(ExprBalanceWidening, FunctionTypeIsFatal)
{
    ExprNode* node = operatorOver(PLUS, newNode(), newNode());
    EXPECT_EXIT(balanceTypes(0x200 | 4, 4, node), ::testing::ExitedWithCode(2),
                "^line [0-9]+: error: function/procedure unexpected\n$");
    deleteTree(node);
}

TEST(ExprBalanceWidening, CharLeftOfAnIntSumIsWidenedTwice)
{
    TypeCode type = 0;
    EXPECT_EQ(parsedText("c + i", &type), "(+ (CHAR_TO_INT (CHAR_TO_INT c)) i)");
    EXPECT_EQ(type, 12);
    EXPECT_EQ(parsedText("i + c"), "(+ i (CHAR_TO_INT c))");
    EXPECT_EQ(parsedText("l + c"), "(+ l (CHAR_TO_LONG c))");
    // In a longer chain the expression level balances the char type of c
    // against the whole chain: the constant on the right becomes a char.
    TypeCode chain = 0;
    EXPECT_EQ(parsedText("c + i - 3", &chain), "(- (+ (CHAR_TO_INT c) i) 3:char)");
    EXPECT_EQ(chain, 11);
    EXPECT_EQ(parsedText("c + i - j"), "(- (CHAR_TO_INT (+ (CHAR_TO_INT c) i)) j)");
}

TEST(ExprBalanceWidening, BoolToFloatLeavesEmptyNodes)
{
    EXPECT_EQ(parsedText("b + r"), "(+ (EMPTY (EMPTY b)) r)");
}

TEST(ExprBalanceComparisons, ComparisonRightOfALooseOperatorWidensItsRightOperand)
{
    EXPECT_EQ(parsedText("x & y < z"), "(& x (< y (BOOL_TO_INT z)))");
    EXPECT_EQ(parsedText("x ^ y < z"), "(^ x (< y (BOOL_TO_INT z)))");
    EXPECT_EQ(parsedText("x | y == z"), "(| x (== y (BOOL_TO_INT z)))");
    EXPECT_EQ(parsedText("x < y && y < z"), "(&& (BOOL_TO_INT (< x y)) (< y (BOOL_TO_INT z)))");
    EXPECT_EQ(parsedText("x || y > z"), "(|| x (> y (BOOL_TO_INT z)))");
    // A char comparison widens to char only.
    EXPECT_EQ(parsedText("c & c < c"), "(& c (< c (BOOL_TO_CHAR c)))");
}

TEST(ExprBalanceComparisons, ComparisonIsBoolAndItsOperandsAreBalanced)
{
    TypeCode type = 0;
    EXPECT_EQ(parsedText("c < i", &type), "(< (CHAR_TO_INT c) i)");
    EXPECT_EQ(type, 1);
    EXPECT_EQ(parsedText("x == 1", &type), "(== x 1:int)");
    EXPECT_EQ(type, 1);
    EXPECT_EQ(parsedText("x == y & z", &type), "(& (BOOL_TO_INT (== x y)) z)");
    EXPECT_EQ(type, 12);
}

TEST(ExprBoolWarnings, BoolLeftOfAProductWarnsOnce)
{
    std::string warnings;
    TypeCode type = 0;
    EXPECT_EQ(parsedWithWarnings("b * 2", &warnings, &type), "(* (BOOL_TO_CHAR b) 2:char)");
    EXPECT_EQ(warnings, "line 1: '*' : unsafe use of type 'bool' in operation\n");
    EXPECT_EQ(errorLevel, 1);
    EXPECT_EQ(type, 3);
}

TEST(ExprBoolWarnings, BoolOnBothSidesWarnsTwice)
{
    std::string warnings;
    parsedWithWarnings("b * b", &warnings);
    EXPECT_EQ(warnings,
              "line 1: '*' : unsafe use of type 'bool' in operation\n"
              "line 1: '*' : unsafe use of type 'bool' in operation\n");
    parsedWithWarnings("x / b", &warnings);
    EXPECT_EQ(warnings, "line 1: '/' : unsafe use of type 'bool' in operation\n");
}

TEST(ExprBoolWarnings, ProductChainKeepsTheFirstLeftType)
{
    std::string warnings;
    parsedWithWarnings("b % 2 % 3", &warnings);
    EXPECT_EQ(warnings,
              "line 1: '%' : unsafe use of type 'bool' in operation\n"
              "line 1: '%' : unsafe use of type 'bool' in operation\n");
}

// The first warning is printed before the right operand is parsed and the
// second after it, so warnings from inside the operand come between them.
TEST(ExprBoolWarnings, WarningsComeBeforeAndAfterTheRightOperand)
{
    std::string warnings;
    parsedWithWarnings("b / (b % b)", &warnings);
    EXPECT_EQ(warnings,
              "line 1: '/' : unsafe use of type 'bool' in operation\n"
              "line 1: '%' : unsafe use of type 'bool' in operation\n"
              "line 1: '%' : unsafe use of type 'bool' in operation\n"
              "line 1: '/' : unsafe use of type 'bool' in operation\n");
    parsedWithWarnings("b * !1.5", &warnings);
    EXPECT_EQ(warnings,
              "line 1: '*' : unsafe use of type 'bool' in operation\n"
              "line 1: 'NOT' : unsafe use of type 'REAL' in operation\n");
}

// A product that is the right operand of another operator is parsed with the
// left type 0, so a bool on its left is not warned about; one on its right is.
TEST(ExprBoolWarnings, ProductInsideARightOperandChecksOnlyItsRight)
{
    std::string warnings;
    parsedWithWarnings("x + b * 2", &warnings);
    EXPECT_EQ(warnings, "");
    EXPECT_EQ(errorLevel, 0);
    parsedWithWarnings("x & b % 3 % 5", &warnings);
    EXPECT_EQ(warnings, "");
    parsedWithWarnings("x + 2 * b", &warnings);
    EXPECT_EQ(warnings, "line 1: '*' : unsafe use of type 'bool' in operation\n");
    parsedWithWarnings("x < b * 2", &warnings);
    EXPECT_EQ(warnings, "");
}

TEST(ExprBoolWarnings, ShiftsWarnForABoolLeftOperandOnly)
{
    std::string warnings;
    parsedWithWarnings("b << 1", &warnings);
    EXPECT_EQ(warnings, "line 1: '<<' : unsafe use of type 'bool' in operation\n");
    parsedWithWarnings("b >> b", &warnings);
    EXPECT_EQ(warnings, "line 1: '>>' : unsafe use of type 'bool' in operation\n");
    parsedWithWarnings("x << b", &warnings);
    EXPECT_EQ(warnings, "");
}

TEST(ExprBoolWarnings, SumsAndComparisonsOfBoolsDoNotWarn)
{
    std::string warnings;
    parsedWithWarnings("b + b == b & b", &warnings);
    EXPECT_EQ(warnings, "");
    EXPECT_EQ(errorLevel, 0);
}

TEST(ExprBoolWarnings, ComplementOfAFloatWarns)
{
    std::string warnings;
    TypeCode type = 0;
    EXPECT_EQ(parsedWithWarnings("!r", &warnings, &type), "(! r)");
    EXPECT_EQ(warnings, "line 1: 'NOT' : unsafe use of type 'REAL' in operation\n");
    EXPECT_EQ(type, 14);
    EXPECT_EQ(errorLevel, 1);
    parsedWithWarnings("~1.5", &warnings, &type);
    EXPECT_EQ(warnings, "line 1: 'NOT' : unsafe use of type 'REAL' in operation\n");
    EXPECT_EQ(type, 6);
    parsedWithWarnings("!l", &warnings);
    EXPECT_EQ(warnings, "");
}

TEST(ExprNarrow, EveryNarrowingPairHasItsNode)
{
    struct Case {
        TypeCode target;
        TypeCode source;
        int32_t op;
        TypeCode type;
    } cases[] = {
        {11, 12, INT_TO_CHAR, 11},
        {3, 5, LONG_TO_CHAR, 3},
        {4, 13, LONG_TO_INT, 12},
        {3, 6, FLOAT_TO_CHAR, 3},
        {12, 6, FLOAT_TO_INT, 4},
        {5, 14, FLOAT_TO_LONG, 13},
        {3, 140, INT_TO_CHAR, 139},  // the source's flags stay
        {4, 3, EMPTY, 4},            // widening: no node
        {1, 4, EMPTY, 1},            // no kind to bool
    };
    for (const Case& c : cases) {
        ExprNode* node = newNode();
        EXPECT_EQ(narrowNode(c.target, c.source, node), c.type) << c.target << " " << c.source;
        EXPECT_EQ(node->op, c.op) << c.target << " " << c.source;
        deleteTree(node);
    }
}

TEST(ExprNarrow, ZeroSourceGivesTheTarget)
{
    ExprNode* node = newNode();
    EXPECT_EQ(narrowNode(139, 0, node), 139);
    EXPECT_EQ(node->op, EMPTY);
    deleteTree(node);
}

TEST(ExprNarrow, FunctionTypeIsFatal)
{
    ExprNode* node = newNode();
    EXPECT_EXIT(narrowNode(3, 0x200 | 4, node), ::testing::ExitedWithCode(2),
                "^line [0-9]+: error: function/procedure unexpected\n$");
    deleteTree(node);
}
