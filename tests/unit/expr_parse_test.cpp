// Shapes the expression parser builds: the ten precedence levels with their
// odd consequences (comparisons do not chain, the shift level sits between the
// additive and relational levels and takes one operator), unary forms,
// suffixes, casts and port reads, the token left for the caller, and the
// fatal stops on names that cannot be used the way they are written.
#include <gtest/gtest.h>

#include <string>

#include "driver/driver.h"
#include "expr/expr.h"
#include "expr_harness.h"
#include "symbols/symbols.h"

TEST(ExprParseLevels, SubtractionAndProductsAssociateLeft)
{
    EXPECT_EQ(parsedText("x - y - z"), "(- (- x y) z)");
    EXPECT_EQ(parsedText("x * y * z"), "(* (* x y) z)");
    EXPECT_EQ(parsedText("x / y % z"), "(% (/ x y) z)");
}

TEST(ExprParseLevels, ProductsBindTighterThanSums)
{
    EXPECT_EQ(parsedText("x * y + z"), "(+ (* x y) z)");
    EXPECT_EQ(parsedText("x + y * z"), "(+ x (* y z))");
    EXPECT_EQ(parsedText("x - y / z + i"), "(+ (- x (/ y z)) i)");
}

TEST(ExprParseLevels, ShiftTakesOneOperatorThenOnlySumsContinue)
{
    EXPECT_EQ(parsedText("x << 1 + 2"), "(+ (<< x 1:int) 2:int)");
    EXPECT_EQ(parsedText("x + y << z"), "(<< (+ x y) z)");
    EXPECT_EQ(parsedText("x >> y * z"), "(>> x (* y z))");
    EXPECT_EQ(parsedText("x << y - z + i"), "(+ (- (<< x y) z) i)");
}

TEST(ExprParseLevels, SecondShiftEndsTheExpression)
{
    EXPECT_EQ(parsedText("x << y << z"), "(<< x y)");
    EXPECT_EQ(currentToken, SHL);
    EXPECT_EQ(parsedText("x < y << 1"), "(< x y)");
    EXPECT_EQ(currentToken, SHL);
    EXPECT_EQ(parsedText("x & y >> 2"), "(& x y)");
    EXPECT_EQ(currentToken, SHR);
}

TEST(ExprParseLevels, ComparisonsDoNotChain)
{
    EXPECT_EQ(parsedText("x == y == z"), "(== x y)");
    EXPECT_EQ(currentToken, EQ);
    EXPECT_EQ(parsedText("x < y < z"), "(< x y)");
    EXPECT_EQ(currentToken, LT);
    EXPECT_EQ(parsedText("x != y >= z"), "(!= x y)");
    EXPECT_EQ(currentToken, GE);
}

TEST(ExprParseLevels, ComparisonTakesSumsAndShiftsItsLeft)
{
    EXPECT_EQ(parsedText("x + 1 <= y * 2"), "(<= (+ x 1:int) (* y 2:int))");
    EXPECT_EQ(parsedText("x << 1 > y"), "(> (<< x 1:int) y)");
}

TEST(ExprParseLevels, BitwiseAndLogicalLevelsNest)
{
    EXPECT_EQ(parsedText("x | y ^ z & i"), "(| x (^ y (& z i)))");
    EXPECT_EQ(parsedText("x & y ^ z | i"), "(| (^ (& x y) z) i)");
    EXPECT_EQ(parsedText("x || y && z"), "(|| x (&& y z))");
    EXPECT_EQ(parsedText("x && y || z"), "(|| (&& x y) z)");
    EXPECT_EQ(parsedText("x & y & z"), "(& (& x y) z)");
    EXPECT_EQ(parsedText("x || y || z"), "(|| (|| x y) z)");
}

TEST(ExprParseLevels, StopsAtTheFirstTokenNoLevelTakes)
{
    const char* stops[] = {"x + y )", "x + y ]", "x + y ;", "x + y ,", "x + y = 1"};
    TokenCode codes[] = {RPAREN, RBRACKET, SEMICOLON, COMMA, ASSIGN};
    for (int n = 0; n < 5; n++) {
        EXPECT_EQ(parsedText(stops[n]), "(+ x y)") << stops[n];
        EXPECT_EQ(currentToken, codes[n]) << stops[n];
    }
}

TEST(ExprParseUnary, ParenthesesLeaveNoWrapper)
{
    ExprNode* root = parseText("(x)");
    EXPECT_EQ(root->op, ID);
    EXPECT_EQ(treeText(root), "x");
    deleteTree(root);
    EXPECT_EQ(parsedText("((x + y)) * z"), "(* (+ x y) z)");
    EXPECT_EQ(parsedText("x - (y - z)"), "(- x (- y z))");
}

TEST(ExprParseUnary, MinusMakesANodeAndPlusDoesNot)
{
    EXPECT_EQ(parsedText("-5"), "(neg 5:int)");
    EXPECT_EQ(parsedText("+5"), "5:int");
    EXPECT_EQ(parsedText("- -x"), "(neg (neg x))");
    EXPECT_EQ(parsedText("+ + x"), "x");
    EXPECT_EQ(parsedText("~x"), "(~ x)");
    EXPECT_EQ(parsedText("!x"), "(! x)");
}

TEST(ExprParseUnary, UnaryBindsTighterThanProducts)
{
    EXPECT_EQ(parsedText("-x * y"), "(* (neg x) y)");
    EXPECT_EQ(parsedText("x * -y"), "(* x (neg y))");
    EXPECT_EQ(parsedText("!x + 1"), "(+ (! x) 1:int)");
}

TEST(ExprParseUnary, TypesOfUnaryForms)
{
    TypeCode type = 0;
    parsedText("-c", &type);
    EXPECT_EQ(type, 11);
    parsedText("!x", &type);
    EXPECT_EQ(type, 12);
    parsedText("*p", &type);
    EXPECT_EQ(type, 11);  // the pointer flag is gone
    parsedText("*ip", &type);
    EXPECT_EQ(type, 12);
    parsedText("5", &type);
    EXPECT_EQ(type, 4);
    parsedText("2.5", &type);
    EXPECT_EQ(type, 6);
}

TEST(ExprParseUnary, ConstantsKeepTheirValues)
{
    EXPECT_EQ(parsedText("1234"), "1234:int");
    EXPECT_EQ(parsedText("true"), "-1:int");
    EXPECT_EQ(parsedText("false"), "0:int");
    ExprNode* root = parseText("0.25");
    EXPECT_EQ(root->op, FCONST);
    EXPECT_EQ(root->floatValue, 0.25);
    EXPECT_EQ(root->intValue, 0);
    deleteTree(root);
}

TEST(ExprParseUnary, IndirectionNode)
{
    ExprNode* root = parseText("*p");
    EXPECT_EQ(root->op, STAR);
    EXPECT_EQ(root->right, nullptr);
    EXPECT_EQ(treeText(root), "(deref p)");
    deleteTree(root);
}

TEST(ExprParseUnary, CastsAndPortReadsCarryTheirKeyword)
{
    TypeCode type = 0;
    ExprNode* root = parseText("char(x + 1)", &type);
    EXPECT_EQ(treeText(root), "(char (+ x 1:int))");
    EXPECT_EQ(root->op, CAST_CHAR);
    EXPECT_STREQ(symbolAt(root->sym).name, "char");
    EXPECT_EQ(type, 3);
    deleteTree(root);

    root = parseText("short(c)", &type);
    EXPECT_EQ(root->op, CAST_INT);
    EXPECT_STREQ(symbolAt(root->sym).name, "short");
    EXPECT_EQ(type, 4);
    deleteTree(root);

    EXPECT_EQ(parsedText("int(c)", &type), "(int c)");
    EXPECT_EQ(type, 4);
    EXPECT_EQ(parsedText("inp(x)", &type), "(inp x)");
    EXPECT_EQ(type, 3);
    EXPECT_EQ(parsedText("inpw(x + 2)", &type), "(inpw (+ x 2:int))");
    EXPECT_EQ(type, 4);
}

TEST(ExprParseSuffix, ArrayElement)
{
    TypeCode type = 0;
    ExprNode* root = parseText("a[i + 1]", &type);
    EXPECT_EQ(treeText(root), "a[(+ i 1:int)]");
    EXPECT_EQ(root->left->op, LBRACKET);
    EXPECT_EQ(type, 12);  // the array flag is gone
    deleteTree(root);
}

TEST(ExprParseSuffix, PlainNameKeepsTheNextTokensEntry)
{
    ExprNode* root = parseText("x y");
    EXPECT_EQ(root->left->op, EMPTY);
    EXPECT_EQ(root->left->sym, lookupSymbol("y"));
    deleteTree(root);
    root = parseText("x;");
    EXPECT_EQ(root->left->sym, 0);
    deleteTree(root);
}

TEST(ExprParseSuffix, CallWithoutArguments)
{
    TypeCode type = 0;
    ExprNode* root = parseText("f()", &type);
    EXPECT_EQ(root->op, ID);
    ASSERT_NE(root->left, nullptr);
    EXPECT_EQ(root->left->op, LPAREN);
    ASSERT_NE(root->left->left, nullptr);
    EXPECT_EQ(root->left->left->op, RPAREN);
    EXPECT_EQ(type, 12);  // the function flag is gone
    deleteTree(root);
}

TEST(ExprParseSuffix, CallArgumentsFormACellChain)
{
    ExprNode* root = parseText("g(1, x)");
    ExprNode* list = root->left->left;
    ASSERT_EQ(list->op, COMMA);
    EXPECT_EQ(treeText(list->left), "1:int");
    ASSERT_NE(list->right, nullptr);
    EXPECT_EQ(list->right->op, COMMA);
    EXPECT_EQ(treeText(list->right->left), "x");
    EXPECT_EQ(list->right->right, nullptr);
    deleteTree(root);
    EXPECT_EQ(parsedText("f(x + 1, (y), z * 2) + 1"), "(+ f((+ x 1:int), y, (* z 2:int)) 1:int)");
}

TEST(ExprParseOperatorNodes, OperatorNodesHoldNoSymbol)
{
    ExprNode* root = parseText("x + y");
    EXPECT_EQ(root->op, PLUS);
    EXPECT_EQ(root->sym, 0);
    deleteTree(root);
}

// The root of a parsed expression keeps the value its first operand left in
// it, since wrapping resets only the kind, symbol and links.
TEST(ExprParseOperatorNodes, RootKeepsTheFirstConstantsValue)
{
    ExprNode* root = parseText("5 + x");
    EXPECT_EQ(root->op, PLUS);
    EXPECT_EQ(root->intValue, 5);
    inferType(root, 0);
    EXPECT_EQ(treeText(root), "(+ x 5:int)");
    EXPECT_EQ(root->intValue, 5);
    deleteTree(root);
    root = parseText("x + 1");
    EXPECT_EQ(root->intValue, 0);
    deleteTree(root);
}

TEST(ExprParseErrors, UndeclaredName)
{
    EXPECT_EXIT(parsedText("x + w"), ::testing::ExitedWithCode(2), "^line 1: error: undefined symbol\n$");
}

TEST(ExprParseErrors, IndexingANonArray)
{
    EXPECT_EXIT(parsedText("x[1]"), ::testing::ExitedWithCode(2), "^line 1: error: expected array name\n$");
    EXPECT_EXIT(parsedText("p[1]"), ::testing::ExitedWithCode(2), "^line 1: error: expected array name\n$");
}

TEST(ExprParseErrors, IndexingAFunction)
{
    EXPECT_EXIT(parsedText("f[1]"), ::testing::ExitedWithCode(2),
                "^line 1: error: function/procedure unexpected\n$");
}

TEST(ExprParseErrors, CallingANonFunction)
{
    EXPECT_EXIT(parsedText("x(1)"), ::testing::ExitedWithCode(2),
                "^line 1: error: expected function/procedure\n$");
    EXPECT_EXIT(parsedText("a()"), ::testing::ExitedWithCode(2),
                "^line 1: error: expected function/procedure\n$");
}

TEST(ExprParseErrors, CallingAFunctionWithoutResultAsAValue)
{
    EXPECT_EXIT(parsedText("v()"), ::testing::ExitedWithCode(2), "^line 1: error: expected function\n$");
}

TEST(ExprParseErrors, FunctionNameAsAnOperand)
{
    EXPECT_EXIT(parsedText("f + 1"), ::testing::ExitedWithCode(2),
                "^line 1: error: function/procedure unexpected\n$");
}

TEST(ExprParseErrors, TokenThatCannotStartAnOperand)
{
    EXPECT_EXIT(parsedText("x + )"), ::testing::ExitedWithCode(2),
                "^error: expected ID but found \\)\nline 1: syntax error\n$");
    EXPECT_EXIT(parsedText("x * long"), ::testing::ExitedWithCode(2),
                "^error: expected ID but found long\nline 1: syntax error\n$");
    EXPECT_EXIT(parsedText("asm"), ::testing::ExitedWithCode(2),
                "^error: expected ID but found _asm\nline 1: syntax error\n$");
    EXPECT_EXIT(parsedText("@"), ::testing::ExitedWithCode(2),
                "^error: expected ID but found ID\nline 1: syntax error\n$");
}

TEST(ExprParseErrors, UnclosedParenthesisIsAFailedMatch)
{
    EXPECT_EXIT(parsedText("(x + y;"), ::testing::ExitedWithCode(2),
                "^error: expected \\) but found ;\nline 1: syntax error\n$");
}
