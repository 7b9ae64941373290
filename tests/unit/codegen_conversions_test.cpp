// Conversions in the code generator: a conversion to or from floating writes
// nothing and leaves no value (any operator that would consume it stops with
// "error: undefined type"), and widening fills the new bytes with zero
// whatever the sign of the value.
#include <gtest/gtest.h>

#include <string>

#include "expr/expr.h"
#include "expr_harness.h"
#include "output/output.h"
#include "output_capture.h"
#include "stmt/stmt.h"

namespace {

class Conversions : public CapturedCodeTest {};

// A value converted from floating: no slot, no code.
ExprNode* noValue()
{
    return operatorOver(FLOAT_TO_INT, leaf(ICONST, 1));
}

}  // namespace

TEST_F(Conversions, FloatingConversionsWriteNothingAndPushNoSlot)
{
    const int32_t kinds[] = {FLOAT_TO_CHAR, FLOAT_TO_INT, FLOAT_TO_LONG,
                             CHAR_TO_FLOAT, INT_TO_FLOAT, LONG_TO_FLOAT};
    for (int32_t kind : kinds) {
        ExprNode* conversion = operatorOver(kind, leaf(ICONST, 5));
        EXPECT_EQ(generateExpression(conversion), 0) << kind;
        EXPECT_EQ(tempCounter, FIRST_TEMP) << kind;
        // The operand was not generated: nothing is bound to the first slot.
        EXPECT_EQ(boundTexts(FIRST_TEMP, 2), "BL BH") << kind;
        deleteTree(conversion);
    }
    EXPECT_EQ(writtenOutput(), "");
}

TEST_F(Conversions, WideningFillsWithZeroWhateverTheSign)
{
    ExprNode* toLong = operatorOver(INT_TO_LONG, leaf(ICONST, -5));
    EXPECT_EQ(baseType(generateExpression(toLong)), 5);
    EXPECT_EQ(tempCounter, 38);
    EXPECT_EQ(writtenOutput(), " LDA #0\n STA CX\n STA CX+1\n");
    EXPECT_EQ(boundTexts(34, 2), "#>-5 #<-5");

    ExprNode* toInt = operatorOver(CHAR_TO_INT, leaf(CCONST, -1));
    tempCounter = 34;
    EXPECT_EQ(baseType(generateExpression(toInt)), 4);
    EXPECT_EQ(tempCounter, 36);
    EXPECT_EQ(writtenOutput(), " LDA #0\n STA CX\n STA CX+1\n LDA #0\n STA BH\n");
    EXPECT_EQ(boundTexts(34, 1), "#>-1");
    deleteTree(toLong);
    deleteTree(toInt);
}

using ConversionsDeathTest = Conversions;

TEST_F(ConversionsDeathTest, AnOperandWithoutAValueIsAnUndefinedType)
{
    const char* const undefined = "error: undefined type";
    ExprNode* sum = operatorOver(PLUS, noValue(), leaf(ICONST, 1));
    EXPECT_EXIT(generateExpression(sum), ::testing::ExitedWithCode(2), undefined);
    ExprNode* comparison = operatorOver(LT, leaf(ICONST, 1), noValue());
    EXPECT_EXIT(generateExpression(comparison), ::testing::ExitedWithCode(2), undefined);
    ExprNode* negation = operatorOver(MINUS, noValue());
    EXPECT_EXIT(generateExpression(negation), ::testing::ExitedWithCode(2), undefined);
    ExprNode* narrowing = operatorOver(INT_TO_CHAR, noValue());
    EXPECT_EXIT(generateExpression(narrowing), ::testing::ExitedWithCode(2), undefined);
    ExprNode* cast = operatorOver(CAST_INT, noValue());
    EXPECT_EXIT(generateExpression(cast), ::testing::ExitedWithCode(2), undefined);
    ExprNode* read = operatorOver(STAR, noValue());
    EXPECT_EXIT(generateExpression(read), ::testing::ExitedWithCode(2), undefined);
    ExprNode* port = operatorOver(KW_INP, noValue());
    EXPECT_EXIT(generateExpression(port), ::testing::ExitedWithCode(2), undefined);
    deleteTree(sum);
    deleteTree(comparison);
    deleteTree(negation);
    deleteTree(narrowing);
    deleteTree(cast);
    deleteTree(read);
    deleteTree(port);
}

TEST_F(Conversions, BoolToLongMasksBitZeroThenClearsTheOtherBytes)
{
    ExprNode* wide = operatorOver(BOOL_TO_LONG, operatorOver(EQ, leaf(CCONST, 1), leaf(CCONST, 2)));
    EXPECT_EQ(generateExpression(wide), 5);
    EXPECT_EQ(tempCounter, 38);
    EXPECT_EQ(writtenOutput(),
              " LDA #>1\n SEC\n SBC #>2\n BEQ LL1\n"
              "LL2 EQU *\n LDA #$0FF\nLL1 EQU *\n EOR #$0FF\n STA BL\n"
              " LDA BX\n AND #1\n STA BX\n LDA #0\n STA BX+1\n"
              " LDA #0\n STA CX\n STA CX+1\n");
    deleteTree(wide);
}

TEST_F(Conversions, CastsOfALongKeepItsLowerWordAndItsFlags)
{
    ExprNode* toInt = operatorOver(CAST_INT, leaf(LCONST, 65537));
    EXPECT_EQ(generateExpression(toInt), SIGNED | 4);
    EXPECT_EQ(tempCounter, 36);
    EXPECT_EQ(boundTexts(34, 2), "#>$0001 #<$0001");
    ExprNode* toChar = operatorOver(CAST_CHAR, leaf(LCONST, 65537));
    EXPECT_EQ(generateExpression(toChar), SIGNED | 3);
    EXPECT_EQ(tempCounter, 38);
    EXPECT_EQ(boundTexts(36, 1), "#>$0001");
    EXPECT_EQ(writtenOutput(), "");
    deleteTree(toInt);
    deleteTree(toChar);
}
