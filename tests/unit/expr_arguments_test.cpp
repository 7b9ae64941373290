// Arguments checked against parameter types while a call is parsed: the note
// on standard output (both types masked to base type, pointer and array), the
// truncation warning for a computed scalar, the narrowing node, the silent
// widening, and arguments past the parameter list.
#include <gtest/gtest.h>

#include <string>

#include "driver/driver.h"
#include "expr/expr.h"
#include "expr_harness.h"

namespace {

struct Parsed {
    std::string tree;
    std::string notes;     // standard output
    std::string warnings;  // standard error
};

Parsed parseCall(const std::string& text)
{
    errorLevel = 0;
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    ExprNode* root = parseText(text);
    Parsed result;
    result.warnings = ::testing::internal::GetCapturedStderr();
    result.notes = ::testing::internal::GetCapturedStdout();
    result.tree = treeText(root);
    deleteTree(root);
    return result;
}

}  // namespace

TEST(ExprArguments, ConstantForASignedCharParameter)
{
    Parsed call = parseCall("sc(1)");
    EXPECT_EQ(call.notes, "line 1: note: parameter expected 03 type, argument found 04 type\n");
    EXPECT_EQ(call.warnings, "");
    EXPECT_EQ(errorLevel, 0);
    EXPECT_EQ(call.tree, "sc((INT_TO_CHAR 1:int))");
}

TEST(ExprArguments, ComputedIntForACharParameterWarns)
{
    Parsed call = parseCall("sc(x + 1)");
    EXPECT_EQ(call.notes, "line 1: note: parameter expected 03 type, argument found 04 type\n");
    EXPECT_EQ(call.warnings, "line 1: warning: type truncation of argument to parameter, possible data loss\n");
    EXPECT_EQ(errorLevel, 1);
    EXPECT_EQ(call.tree, "sc((INT_TO_CHAR (+ x 1:int)))");
}

TEST(ExprArguments, FloatForAnIntParameter)
{
    Parsed call = parseCall("g(2.5)");
    EXPECT_EQ(call.notes, "line 1: note: parameter expected 04 type, argument found 06 type\n");
    EXPECT_EQ(call.warnings, "line 1: warning: type truncation of argument to parameter, possible data loss\n");
    EXPECT_EQ(call.tree, "g((FLOAT_TO_INT 2.5:float))");
}

TEST(ExprArguments, PointersAreNotedButNeverWarned)
{
    Parsed call = parseCall("q(x)");
    EXPECT_EQ(call.notes, "line 1: note: parameter expected 83 type, argument found 04 type\n");
    EXPECT_EQ(call.warnings, "");
    EXPECT_EQ(call.tree, "q((INT_TO_CHAR x))");

    call = parseCall("g(p)");
    EXPECT_EQ(call.notes, "line 1: note: parameter expected 04 type, argument found 83 type\n");
    EXPECT_EQ(call.warnings, "");
    EXPECT_EQ(call.tree, "g(p)");

    call = parseCall("q(p)");
    EXPECT_EQ(call.notes, "");
    EXPECT_EQ(call.tree, "q(p)");
}

TEST(ExprArguments, PointerArgumentCutToANarrowerParameterIsNotWarned)
{
    Parsed call = parseCall("sc(ip)");
    EXPECT_EQ(call.notes, "line 1: note: parameter expected 03 type, argument found 84 type\n");
    EXPECT_EQ(call.warnings, "");
    EXPECT_EQ(errorLevel, 0);
    EXPECT_EQ(call.tree, "sc((INT_TO_CHAR ip))");
}

TEST(ExprArguments, NegatedConstantIsAComputedValue)
{
    Parsed call = parseCall("sc(-1)");
    EXPECT_EQ(call.notes, "line 1: note: parameter expected 03 type, argument found 04 type\n");
    EXPECT_EQ(call.warnings, "line 1: warning: type truncation of argument to parameter, possible data loss\n");
    EXPECT_EQ(call.tree, "sc((INT_TO_CHAR (neg 1:int)))");
}

TEST(ExprArguments, ParameterOfBaseTypeVoidIsNotChecked)
{
    openExpression("vp(x, l)");
    declareName("vp", 12 | FUNCTION, {POINTER, 3});
    errorLevel = 0;
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    ExprNode* root = parseOpened();
    std::string warnings = ::testing::internal::GetCapturedStderr();
    std::string notes = ::testing::internal::GetCapturedStdout();
    // Only the second argument is noted and cut.
    EXPECT_EQ(notes, "line 1: note: parameter expected 03 type, argument found 05 type\n");
    EXPECT_EQ(warnings, "line 1: warning: type truncation of argument to parameter, possible data loss\n");
    EXPECT_EQ(treeText(root), "vp(x, (LONG_TO_CHAR l))");
    deleteTree(root);
}

TEST(ExprArguments, ArrayArgumentShowsTheArrayBit)
{
    Parsed call = parseCall("q(a)");
    EXPECT_EQ(call.notes, "line 1: note: parameter expected 83 type, argument found 104 type\n");
    EXPECT_EQ(call.warnings, "");
}

TEST(ExprArguments, WiderParameterWidensSilently)
{
    Parsed call = parseCall("g(c)");
    EXPECT_EQ(call.notes, "");
    EXPECT_EQ(call.warnings, "");
    EXPECT_EQ(call.tree, "g(c)");  // a lone name has no operand to widen
    // The argument's own right operand is what gets the conversion.
    call = parseCall("g(c + uc)");
    EXPECT_EQ(call.notes, "");
    EXPECT_EQ(call.tree, "g((+ c (CHAR_TO_INT uc)))");
}

TEST(ExprArguments, SameBaseTypeIsNotChecked)
{
    Parsed call = parseCall("g(u)");
    EXPECT_EQ(call.notes, "");
    EXPECT_EQ(call.tree, "g(u)");
}

TEST(ExprArguments, SecondParameterIsCheckedAgainstTheSecondArgument)
{
    Parsed call = parseCall("h(x, 300)");
    EXPECT_EQ(call.notes, "line 1: note: parameter expected 03 type, argument found 04 type\n");
    EXPECT_EQ(call.tree, "h(x, (INT_TO_CHAR 300:int))");
}

TEST(ExprArguments, ArgumentsPastTheListAreNotChecked)
{
    Parsed call = parseCall("h(1, c, 2.5, x, y)");
    EXPECT_EQ(call.notes, "");
    EXPECT_EQ(call.tree, "h(1:int, c, 2.5:float, x, y)");
    call = parseCall("f(2.5, c)");
    EXPECT_EQ(call.notes, "");
    EXPECT_EQ(call.tree, "f(2.5:float, c)");
}

TEST(ExprArguments, NoteCarriesTheLineOfTheTokenAfterTheArgument)
{
    Parsed call = parseCall("\n\nsc(x\n)");
    EXPECT_EQ(call.notes, "line 4: note: parameter expected 03 type, argument found 04 type\n");
    EXPECT_EQ(call.warnings, "line 4: warning: type truncation of argument to parameter, possible data loss\n");
}

TEST(ExprArguments, ArgumentListsOfCallStatements)
{
    openExpression("5, x);");
    currentToken = nextToken();
    ExprNode* list = newNode();
    ::testing::internal::CaptureStdout();
    parseArguments(lookupSymbol("h"), list);
    std::string notes = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(notes, "line 1: note: parameter expected 03 type, argument found 04 type\n");
    ASSERT_EQ(list->op, COMMA);
    EXPECT_EQ(treeText(list->left), "5:int");
    EXPECT_EQ(treeText(list->right->left), "(INT_TO_CHAR x)");
    EXPECT_EQ(currentToken, SEMICOLON);
    deleteTree(list);

    openExpression(");");
    currentToken = nextToken();
    list = newNode();
    parseArguments(lookupSymbol("v"), list);
    EXPECT_EQ(list->op, RPAREN);
    EXPECT_EQ(list->left, nullptr);
    deleteTree(list);
}

TEST(ExprArguments, CallStatementOfANonFunction)
{
    openExpression(")");
    currentToken = nextToken();
    ExprNode* list = newNode();
    EXPECT_EXIT(parseArguments(lookupSymbol("x"), list), ::testing::ExitedWithCode(2),
                "^line 1: error: expected function/procedure\n$");
    deleteTree(list);
}
