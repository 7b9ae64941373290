// Limits of the expression parser: nesting of parentheses, unary operators,
// index brackets, argument lists and casts stops past 200 levels, and long
// operator chains and argument lists stop past a bound that keeps the
// compiler's own stack safe; anything below the bounds parses, types and is
// freed normally.
#include <gtest/gtest.h>

#include <string>

#include "expr/expr.h"
#include "expr_harness.h"

namespace {

std::string repeated(const std::string& piece, int count)
{
    std::string text;
    for (int n = 0; n < count; n++) {
        text += piece;
    }
    return text;
}

std::string parenthesised(int depth)
{
    return repeated("(", depth) + "x" + repeated(")", depth);
}

// Parses and types text; true when it got through.
bool parsesAndTypes(const std::string& text)
{
    ExprNode* root = parseText(text);
    inferType(root, 0);
    deleteTree(root);
    return true;
}

constexpr const char* TOO_DEEP = "^line 1: error: nesting too deep\n$";

}  // namespace

TEST(ExprLimits, TwoHundredParenthesesAreAccepted)
{
    ExprNode* root = parseText(parenthesised(200));
    EXPECT_EQ(treeText(root), "x");
    deleteTree(root);
}

TEST(ExprLimits, TwoHundredAndOneParenthesesStop)
{
    EXPECT_EXIT(parsesAndTypes(parenthesised(201)), ::testing::ExitedWithCode(2), TOO_DEEP);
}

TEST(ExprLimits, UnaryOperatorsCountAsNesting)
{
    EXPECT_TRUE(parsesAndTypes(repeated("-", 200) + "x"));
    EXPECT_TRUE(parsesAndTypes(repeated("+", 200) + "x"));
    EXPECT_TRUE(parsesAndTypes(repeated("!~", 100) + "x"));
    EXPECT_EXIT(parsesAndTypes(repeated("-", 201) + "x"), ::testing::ExitedWithCode(2), TOO_DEEP);
    EXPECT_EXIT(parsesAndTypes(repeated("-(", 101) + "x" + repeated(")", 101)), ::testing::ExitedWithCode(2),
                TOO_DEEP);
}

TEST(ExprLimits, IndexesArgumentsAndCastsCountAsNesting)
{
    EXPECT_TRUE(parsesAndTypes(repeated("a[", 200) + "0" + repeated("]", 200)));
    EXPECT_EXIT(parsesAndTypes(repeated("a[", 201) + "0" + repeated("]", 201)), ::testing::ExitedWithCode(2),
                TOO_DEEP);
    EXPECT_EXIT(parsesAndTypes(repeated("g(", 201) + "0" + repeated(")", 201)), ::testing::ExitedWithCode(2),
                TOO_DEEP);
    EXPECT_EXIT(parsesAndTypes(repeated("char(", 201) + "0" + repeated(")", 201)), ::testing::ExitedWithCode(2),
                TOO_DEEP);
}

TEST(ExprLimits, LongChainsBelowTheBoundParseAndFold)
{
    ExprNode* root = parseText("x" + repeated(" + 1", 1500));
    inferType(root, 0);
    EXPECT_EQ(treeText(root), "(+ x 1500:int)");
    deleteTree(root);
    root = parseText("1" + repeated(" * 1", 1500));
    inferType(root, 0);
    EXPECT_EQ(treeText(root), "1:int");
    deleteTree(root);
    EXPECT_TRUE(parsesAndTypes("x" + repeated(" + y - 1 & z | 3", 300)));
    EXPECT_TRUE(parsesAndTypes("f(" + repeated("x, ", 1500) + "x)"));
}

TEST(ExprLimits, VeryLongChainsStop)
{
    EXPECT_EXIT(parsesAndTypes("x" + repeated(" + x", 100000)), ::testing::ExitedWithCode(2), TOO_DEEP);
    EXPECT_EXIT(parsesAndTypes("x" + repeated(" * x", 100000)), ::testing::ExitedWithCode(2), TOO_DEEP);
    EXPECT_EXIT(parsesAndTypes("x" + repeated(" || x", 100000)), ::testing::ExitedWithCode(2), TOO_DEEP);
    EXPECT_EXIT(parsesAndTypes("f(" + repeated("x, ", 100000) + "x)"), ::testing::ExitedWithCode(2), TOO_DEEP);
    EXPECT_EXIT(parsesAndTypes(repeated("x + (", 150) + "x" + repeated(" + x", 2000) + repeated(")", 150)),
                ::testing::ExitedWithCode(2), TOO_DEEP);
}
