// The typing walk: constant folding with 32-bit wrap-around and the kind rule,
// the rewrites of sums, differences, products, quotients and remainders, the
// exchanges that move constants to the right, const symbols becoming
// constants, the types the walk returns, and its fatal stops.
#include <gtest/gtest.h>

#include <string>

#include "driver/driver.h"
#include "expr/expr.h"
#include "expr_harness.h"
#include "symbols/symbols.h"

namespace {

ExprNode* nameLeaf(const char* name)
{
    ExprNode* node = newNode();
    node->op = ID;
    node->sym = lookupSymbol(name);
    node->left = newNode();
    return node;
}

// A use of name with the given suffix node.
ExprNode* withSuffix(const char* name, ExprNode* suffix)
{
    ExprNode* node = nameLeaf(name);
    deleteTree(node->left);
    node->left = suffix;
    return node;
}

ExprNode* floatLeaf(double value)
{
    ExprNode* node = newNode();
    node->op = FCONST;
    node->floatValue = value;
    return node;
}

// Types and folds a hand-made tree and prints it; the tree is freed.
std::string folded(ExprNode* root, TypeCode* type = nullptr)
{
    TypeCode result = inferType(root, 0);
    if (type != nullptr) {
        *type = result;
    }
    std::string printed = treeText(root);
    deleteTree(root);
    return printed;
}

}  // namespace

TEST(ExprFoldConstants, ArithmeticFoldsToOneConstant)
{
    EXPECT_EQ(foldedText("2 + 3 * 4"), "14:int");
    EXPECT_EQ(foldedText("7 / 2"), "3:int");
    EXPECT_EQ(foldedText("-7 / 2"), "-3:int");
    EXPECT_EQ(foldedText("-7 % 2"), "-1:int");
    EXPECT_EQ(foldedText("7 % -2"), "1:int");
    EXPECT_EQ(foldedText("10 - 15"), "-5:int");
    EXPECT_EQ(foldedText("(1 + 2) * (3 + 4) - 1"), "20:int");
}

TEST(ExprFoldConstants, FloatingFolds)
{
    EXPECT_EQ(foldedText("1.5 * 2"), "3:float");
    EXPECT_EQ(foldedText("1.5 + 1.25"), "2.75:float");
    EXPECT_EQ(foldedText("1.5 - 4"), "-2.5:float");
    EXPECT_EQ(foldedText("1.0 / 4"), "0.25:float");
    EXPECT_EQ(foldedText("-2.5"), "-2.5:float");
    EXPECT_EQ(folded(operatorOver(PLUS, leaf(ICONST, 2), floatLeaf(0.5))), "2.5:float");
    EXPECT_EQ(folded(operatorOver(SLASH, floatLeaf(1.0), floatLeaf(0.0))), "inf:float");
}

TEST(ExprFoldConstants, IntegerFoldsWrapIn32Bits)
{
    EXPECT_EQ(foldedText("2147483647 + 1"), "-2147483648:int");
    EXPECT_EQ(foldedText("65536 * 65536"), "0:int");
    EXPECT_EQ(foldedText("-2147483648 - 1"), "2147483647:int");
    EXPECT_EQ(foldedText("-2147483648 / -1"), "-2147483648:int");
    EXPECT_EQ(foldedText("-2147483648 % -1"), "0:int");
    EXPECT_EQ(foldedText("-(-2147483648)"), "-2147483648:int");
    EXPECT_EQ(foldedText("1 << 31"), "-2147483648:int");
}

TEST(ExprFoldConstants, CharConstantsAreNotReducedToEightBits)
{
    EXPECT_EQ(folded(operatorOver(PLUS, leaf(CCONST, 200), leaf(CCONST, 100))), "300:char");
    EXPECT_EQ(folded(operatorOver(STAR, leaf(CCONST, 100), leaf(CCONST, 100))), "10000:char");
}

TEST(ExprFoldConstants, KindRule)
{
    EXPECT_EQ(folded(operatorOver(PLUS, leaf(ICONST, 1), leaf(CCONST, 2))), "3:int");
    EXPECT_EQ(folded(operatorOver(PLUS, leaf(CCONST, 1), leaf(LCONST, 2))), "3:long");
    EXPECT_EQ(folded(operatorOver(BAR, leaf(LCONST, 1), leaf(ICONST, 2))), "3:long");
    EXPECT_EQ(folded(operatorOver(ANDAND, leaf(CCONST, 1), leaf(CCONST, 2))), "1:char");
    EXPECT_EQ(folded(operatorOver(SLASH, leaf(CCONST, 9), leaf(CCONST, 2))), "4:char");
    EXPECT_EQ(folded(operatorOver(PERCENT, leaf(ICONST, 9), leaf(LCONST, 4))), "1:long");
}

TEST(ExprFoldConstants, FoldingClearsTheOtherValueField)
{
    ExprNode* root = operatorOver(PLUS, leaf(ICONST, 1), leaf(ICONST, 2));
    root->floatValue = 9.5;
    inferType(root, 0);
    EXPECT_EQ(root->floatValue, 0.0);
    EXPECT_EQ(root->left, nullptr);
    EXPECT_EQ(root->right, nullptr);
    deleteTree(root);
    root = operatorOver(PLUS, floatLeaf(1.0), floatLeaf(2.0));
    root->intValue = 9;
    inferType(root, 0);
    EXPECT_EQ(root->intValue, 0);
    EXPECT_EQ(root->floatValue, 3.0);
    deleteTree(root);
}

TEST(ExprFoldConstants, ComplementAndNotFlipEveryBitOfTheKind)
{
    EXPECT_EQ(foldedText("!0"), "65535:int");
    EXPECT_EQ(foldedText("~1"), "65534:int");
    EXPECT_EQ(foldedText("!1"), "65534:int");
    EXPECT_EQ(foldedText("-5"), "-5:int");
    EXPECT_EQ(folded(operatorOver(TILDE, leaf(CCONST, 1))), "254:char");
    EXPECT_EQ(folded(operatorOver(BANG, leaf(LCONST, 0))), "-1:long");
    EXPECT_EQ(folded(operatorOver(MINUS, leaf(CCONST, 3))), "-3:char");
    EXPECT_EQ(foldedText("~1.5"), "(~ 1.5:float)");
}

TEST(ExprFoldConstants, Comparisons)
{
    EXPECT_EQ(foldedText("3 < 5"), "1:char");
    EXPECT_EQ(foldedText("5 < 3"), "0:char");
    EXPECT_EQ(foldedText("-1 < 1"), "1:char");  // signed
    EXPECT_EQ(foldedText("2 <= 2"), "1:char");
    EXPECT_EQ(foldedText("2 > 2"), "0:char");
    EXPECT_EQ(foldedText("2 >= 3"), "0:char");
    EXPECT_EQ(foldedText("4 == 4"), "1:char");
    EXPECT_EQ(foldedText("4 != 4"), "0:char");
}

TEST(ExprFoldConstants, LogicalAndBitwise)
{
    EXPECT_EQ(foldedText("1 && 0"), "0:int");
    EXPECT_EQ(foldedText("2 || 0"), "1:int");
    EXPECT_EQ(foldedText("2 && 3"), "1:int");
    EXPECT_EQ(foldedText("0 || 0"), "0:int");
    EXPECT_EQ(foldedText("12 & 10"), "8:int");
    EXPECT_EQ(foldedText("12 | 3"), "15:int");
    EXPECT_EQ(foldedText("12 ^ 10"), "6:int");
}

TEST(ExprFoldConstants, ShiftsTakeTheLeftKindAndCountModulo32)
{
    EXPECT_EQ(foldedText("1 << 4"), "16:int");
    EXPECT_EQ(foldedText("-16 >> 2"), "-4:int");
    EXPECT_EQ(foldedText("1 << 33"), "2:int");
    EXPECT_EQ(folded(operatorOver(SHL, leaf(CCONST, 1), leaf(ICONST, 9))), "512:char");
    EXPECT_EQ(folded(operatorOver(SHR, leaf(LCONST, -256), leaf(CCONST, 4))), "-16:long");
}

TEST(ExprFoldConversions, FloatToIntegerTruncates)
{
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    std::string toChar = foldedText("sc(1.5)");
    std::string negative = foldedText("sc(-2.75)");
    std::string toInt = foldedText("g(2.5)");
    ::testing::internal::GetCapturedStderr();
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(toChar, "sc(1:char)");
    EXPECT_EQ(negative, "sc(-2:char)");
    EXPECT_EQ(toInt, "g(2:int)");
    EXPECT_EQ(folded(operatorOver(FLOAT_TO_LONG, floatLeaf(-7.9))), "-7:int");
    EXPECT_EQ(folded(operatorOver(FLOAT_TO_CHAR, leaf(ICONST, 300))), "300:char");
    EXPECT_EQ(folded(operatorOver(FLOAT_TO_INT, floatLeaf(4294967297.0))), "1:int");
}

TEST(ExprFoldConversions, IntegerToFloatFolds)
{
    EXPECT_EQ(foldedText("r * 2"), "(* r 2:float)");
    EXPECT_EQ(folded(operatorOver(CHAR_TO_FLOAT, leaf(CCONST, 7))), "7:float");
    EXPECT_EQ(folded(operatorOver(INT_TO_FLOAT, leaf(ICONST, -3))), "-3:float");
}

TEST(ExprFoldConversions, WideningAndIntegerNarrowingStay)
{
    EXPECT_EQ(foldedText("c + i"), "(+ (CHAR_TO_INT (CHAR_TO_INT c)) i)");
    EXPECT_EQ(folded(operatorOver(INT_TO_CHAR, leaf(ICONST, 300))), "(INT_TO_CHAR 300:int)");
    EXPECT_EQ(folded(operatorOver(CHAR_TO_INT, leaf(CCONST, 3))), "(CHAR_TO_INT 3:char)");
    EXPECT_EQ(foldedText("x + r"), "(+ (INT_TO_FLOAT (INT_TO_FLOAT x)) r)");
}

TEST(ExprFoldConversions, CastsAndPortReadsFoldTheirOperandOnly)
{
    TypeCode type = 0;
    EXPECT_EQ(foldedText("char(2 + 3)", &type), "(char 5:int)");
    EXPECT_EQ(type, 3);
    EXPECT_EQ(foldedText("int(c * 1)", &type), "(int c)");
    EXPECT_EQ(type, 4);
    EXPECT_EQ(foldedText("inp(0x100 + 4)", &type), "(inp 260:int)");
    EXPECT_EQ(type, 3);
    EXPECT_EQ(foldedText("inpw(x)", &type), "(inpw x)");
    EXPECT_EQ(type, 4);
}

TEST(ExprFoldRewrites, ProductsByPowersOfTwoUpTo128Shift)
{
    EXPECT_EQ(foldedText("x * 8"), "(<< x 3:int)");
    EXPECT_EQ(foldedText("x * 2"), "(<< x 1:int)");
    EXPECT_EQ(foldedText("x * 128"), "(<< x 7:int)");
    EXPECT_EQ(foldedText("x * 256"), "(* x 256:int)");
    EXPECT_EQ(foldedText("x * 6"), "(* x 6:int)");
    EXPECT_EQ(foldedText("c * 4"), "(<< c 2:char)");
}

TEST(ExprFoldRewrites, ProductsByZeroAndOne)
{
    TypeCode type = 0;
    EXPECT_EQ(foldedText("x * 1"), "x");
    EXPECT_EQ(foldedText("x * 0", &type), "0:int");
    EXPECT_EQ(type, 4);
    EXPECT_EQ(foldedText("(x + y) * 0"), "0:int");
}

TEST(ExprFoldRewrites, QuotientsByPowersOfTwoUpTo256Shift)
{
    EXPECT_EQ(foldedText("x / 256"), "(>> x 8:int)");
    EXPECT_EQ(foldedText("x / 2"), "(>> x 1:int)");
    EXPECT_EQ(foldedText("x / 512"), "(/ x 512:int)");
    EXPECT_EQ(foldedText("x / 3"), "(/ x 3:int)");
    EXPECT_EQ(foldedText("x / 1"), "x");
}

TEST(ExprFoldRewrites, RemaindersByPowersOfTwoUpTo128Mask)
{
    EXPECT_EQ(foldedText("x % 16"), "(& x 15:int)");
    EXPECT_EQ(foldedText("x % 2"), "(& x 1:int)");
    EXPECT_EQ(foldedText("x % 128"), "(& x 127:int)");
    EXPECT_EQ(foldedText("x % 256"), "(% x 256:int)");
    EXPECT_EQ(foldedText("x % 10"), "(% x 10:int)");
    EXPECT_EQ(foldedText("x % 1"), "0:int");
}

TEST(ExprFoldRewrites, SubtractingAConstantAdds)
{
    EXPECT_EQ(foldedText("x - 3"), "(+ x -3:int)");
    EXPECT_EQ(foldedText("x - 0"), "x");
    EXPECT_EQ(foldedText("x + 0"), "x");
    EXPECT_EQ(foldedText("x - 3 + 3"), "x");
    EXPECT_EQ(foldedText("5 - x"), "(- 5:int x)");
}

TEST(ExprFoldRewrites, ConstantsMoveRight)
{
    EXPECT_EQ(foldedText("3 + x"), "(+ x 3:int)");
    EXPECT_EQ(foldedText("3 * x"), "(* x 3:int)");
    EXPECT_EQ(foldedText("4 * x"), "(<< x 2:int)");
    EXPECT_EQ(foldedText("1 & x"), "(& x 1:int)");
    EXPECT_EQ(foldedText("1 | x"), "(| x 1:int)");
    EXPECT_EQ(foldedText("1 ^ x"), "(^ x 1:int)");
    EXPECT_EQ(foldedText("1 == x"), "(== x 1:int)");
    EXPECT_EQ(foldedText("1 != x"), "(!= x 1:int)");
    EXPECT_EQ(foldedText("1 && x"), "(&& x 1:int)");
    EXPECT_EQ(foldedText("1 || x"), "(|| x 1:int)");
    // Ordered comparisons keep their sides.
    EXPECT_EQ(foldedText("1 < x"), "(< 1:int x)");
    EXPECT_EQ(foldedText("1 >= x"), "(>= 1:int x)");
    EXPECT_EQ(foldedText("1 - x"), "(- 1:int x)");
}

TEST(ExprFoldRewrites, SumConstantsGatherUpwards)
{
    EXPECT_EQ(foldedText("(x + 1) + 2"), "(+ x 3:int)");
    EXPECT_EQ(foldedText("x + 1 + 2"), "(+ x 3:int)");
    EXPECT_EQ(foldedText("(x + 1) + y"), "(+ (+ x y) 1:int)");
    EXPECT_EQ(foldedText("x + 1 + y + 2"), "(+ (+ x y) 3:int)");
    EXPECT_EQ(foldedText("(x + 1) + -1"), "x");
    EXPECT_EQ(foldedText("(5 - x) + 3"), "(- 8:int x)");
    EXPECT_EQ(foldedText("5 - x - 2"), "(- 3:int x)");
}

TEST(ExprFoldRewrites, SumOfSumsRotates)
{
    EXPECT_EQ(foldedText("(x + y) + (z + i)"), "(+ (+ (+ x y) i) z)");
    EXPECT_EQ(foldedText("(x + y) + (z - i)"), "(+ (- (+ x y) i) z)");
}

TEST(ExprFoldRewrites, NegationsTurnIntoSubtraction)
{
    EXPECT_EQ(foldedText("x + -y"), "(- x y)");
    EXPECT_EQ(foldedText("-x + y"), "(- y x)");
    EXPECT_EQ(foldedText("x - -y"), "(+ x y)");
    EXPECT_EQ(foldedText("-x + -y"), "(- (neg x) y)");
}

// A node whose children were exchanged or whose kind was rewritten is typed
// again from the start, so the rules of its new shape apply as well.
TEST(ExprFoldRewrites, RewrittenNodesAreTypedAgain)
{
    // exchanged, then the constants gather
    EXPECT_EQ(foldedText("1 + (x + 2)"), "(+ x 3:int)");
    EXPECT_EQ(foldedText("3 * (x * 5)"), "(* x 15:int)");
    // a - (-b) becomes a sum, whose left constant then moves right
    EXPECT_EQ(foldedText("1 - -x"), "(+ x 1:int)");
    // the constant moves up, and the sum of sums left behind is rotated
    EXPECT_EQ(foldedText("(x + y + 1) + (z + i)"), "(+ (+ (+ (+ x y) i) z) 1:int)");
}

TEST(ExprFoldRewrites, ProductConstantsGatherUpwards)
{
    EXPECT_EQ(foldedText("(x * 3) * 5"), "(* x 15:int)");
    EXPECT_EQ(foldedText("(x * 3) * y"), "(* (* x y) 3:int)");
    // A power of two is turned into a shift before any gathering.
    EXPECT_EQ(foldedText("x * 3 * 4"), "(<< (* x 3:int) 2:int)");
}

TEST(ExprFoldSymbols, ConstSymbolsBecomeConstants)
{
    TypeCode type = 0;
    EXPECT_EQ(foldedText("k", &type), "10:int");
    EXPECT_EQ(type, 12 | CONST);
    EXPECT_EQ(foldedText("kr", &type), "2.5:float");
    EXPECT_EQ(type, 14 | CONST);
    EXPECT_EQ(foldedText("kz"), "0:int");
    EXPECT_EQ(foldedText("kc"), "7:char");
    EXPECT_EQ(foldedText("cb"), "1:char");
    EXPECT_EQ(foldedText("kl"), "100000:long");
    // The widening over the char constant does not fold, so the sum stays.
    EXPECT_EQ(foldedText("k * 2 + kc"), "(+ (CHAR_TO_INT 7:char) 20:int)");
    EXPECT_EQ(foldedText("x + k"), "(+ x 10:int)");
    EXPECT_EQ(foldedText("kl + 1"), "100001:long");
}

TEST(ExprFoldSymbols, ConstantNodeDropsSymbolAndSuffix)
{
    ExprNode* root = parseText("k");
    inferType(root, 0);
    EXPECT_EQ(root->op, ICONST);
    EXPECT_EQ(root->sym, 0);
    EXPECT_EQ(root->left, nullptr);
    deleteTree(root);
}

TEST(ExprFoldSymbols, ConstPointersAndArraysStayNames)
{
    openExpression("kp");
    declareName("kp", 139 | CONST);
    EXPECT_EQ(folded(parseOpened()), "kp");
    openExpression("ka[1] + 0");
    symbolAt(declareName("ka", 12 | CONST | ARRAY)).intValue = 42;
    // The element of a const array is a const scalar: it reads as the value
    // recorded for the array.
    EXPECT_EQ(folded(parseOpened()), "42:int");
}

TEST(ExprFoldSymbols, SuffixesAreTypedInOrder)
{
    EXPECT_EQ(foldedText("a[1 + 1]"), "a[2:int]");
    EXPECT_EQ(foldedText("f(2 * 3, x * 1)"), "f(6:int, x)");
    EXPECT_EQ(foldedText("f() + 0"), "f()");
}

TEST(ExprFoldTypes, ResultTypesByKind)
{
    TypeCode type = 0;
    foldedText("p", &type);
    EXPECT_EQ(type, 139);
    foldedText("a[x]", &type);
    EXPECT_EQ(type, 12);
    foldedText("f()", &type);
    EXPECT_EQ(type, 12);
    foldedText("*ip", &type);
    EXPECT_EQ(type, 4);
    foldedText("x + l", &type);
    EXPECT_EQ(type, 5);
    foldedText("c + 1", &type);
    EXPECT_EQ(type, 3);
    foldedText("-c", &type);
    EXPECT_EQ(type, 3);
    foldedText("!x", &type);
    EXPECT_EQ(type, 4);
    EXPECT_EQ(folded(operatorOver(CHAR_TO_INT, nameLeaf("c")), &type), "(CHAR_TO_INT c)");
    EXPECT_EQ(type, 3);  // a conversion node gives its operand's base type
}

TEST(ExprFoldTypes, EveryComparisonIsBool)
{
    const char* comparisons[] = {"x < y", "x <= y", "x > y", "x >= y", "x == y", "x != y", "l < x"};
    for (const char* text : comparisons) {
        TypeCode type = 0;
        foldedText(text, &type);
        EXPECT_EQ(type, 1) << text;
    }
    TypeCode type = 0;
    foldedText("x && y", &type);
    EXPECT_EQ(type, 1);
    foldedText("x || y", &type);
    EXPECT_EQ(type, 1);
}

TEST(ExprFoldTypes, TypeOfKeepsTheBaseTypeOnly)
{
    ExprNode* root = parseText("p");
    EXPECT_EQ(typeOf(root), 3);
    deleteTree(root);
    root = parseText("x < y");
    EXPECT_EQ(typeOf(root), 1);
    deleteTree(root);
}

TEST(ExprFoldValues, ValueReadersAcceptIdentifiers)
{
    openExpression("");
    ExprNode* node = nameLeaf("k");
    EXPECT_EQ(nodeValue(node), 10);
    node->sym = lookupSymbol("kr");
    EXPECT_EQ(nodeFloatValue(node), 2.5);
    node->op = ICONST;
    node->intValue = 77;
    node->floatValue = 1.25;
    EXPECT_EQ(nodeValue(node), 77);
    EXPECT_EQ(nodeFloatValue(node), 1.25);
    deleteTree(node);
}

TEST(ExprFoldErrors, DivideByZero)
{
    const char* divisions[] = {"x / 0", "4 / 0", "x % 0", "4 % 0", "x / (1 - 1)", "x % (k * 0)"};
    for (const char* text : divisions) {
        EXPECT_EXIT(foldedText(text), ::testing::ExitedWithCode(2),
                    "^line 1: error: divide by zero detected\n$")
            << text;
    }
}

TEST(ExprFoldErrors, EmptyNodeLeftByBoolToFloat)
{
    EXPECT_EXIT(foldedText("b + r"), ::testing::ExitedWithCode(2),
                "^error: expected ID but found ID\nline 1: syntax error\n$");
}

TEST(ExprFoldErrors, KindTheWalkDoesNotKnow)
{
    openExpression("");
    EXPECT_EXIT(folded(leaf(RPAREN, 0)), ::testing::ExitedWithCode(2),
                "^error: expected ID but found \\)\nline [0-9]+: syntax error\n$");
    EXPECT_EXIT(folded(operatorOver(PLUS, leaf(ICONST, 1))), ::testing::ExitedWithCode(2),
                "^error: expected ID but found ID\nline [0-9]+: syntax error\n$");
}

TEST(ExprFoldErrors, IdentifierChecks)
{
    openExpression("");
    declareName("w", 0);
    // Each tree is built inside the dying statement, so nothing is left over
    // in this process.
    EXPECT_EXIT(folded(nameLeaf("w")), ::testing::ExitedWithCode(2), "^line [0-9]+: error: undefined symbol\n$");
    EXPECT_EXIT(folded(withSuffix("x", operatorOver(LBRACKET, leaf(ICONST, 0)))), ::testing::ExitedWithCode(2),
                "^line [0-9]+: error: expected array name\n$");
    EXPECT_EXIT(folded(withSuffix("f", operatorOver(LBRACKET, leaf(ICONST, 0)))), ::testing::ExitedWithCode(2),
                "^line [0-9]+: error: function/procedure unexpected\n$");
    EXPECT_EXIT(folded(withSuffix("x", operatorOver(LPAREN, leaf(RPAREN, 0)))), ::testing::ExitedWithCode(2),
                "^line [0-9]+: error: expected function/procedure\n$");
    EXPECT_EXIT(folded(withSuffix("v", operatorOver(LPAREN, leaf(RPAREN, 0)))), ::testing::ExitedWithCode(2),
                "^line [0-9]+: error: expected function\n$");
}
