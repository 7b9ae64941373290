// Expression code on trees that the declarations of the language cannot
// produce from source: four-byte constants and operations (no declaration
// has a four-byte type), the four-byte read through a pointer, and the stops
// for slots past the register block, missing operands and runaway depth.
#include <gtest/gtest.h>

#include <string>

#include "expr/expr.h"
#include "expr_harness.h"
#include "output/output.h"
#include "output_capture.h"
#include "stmt/stmt.h"

namespace {

class FourByte : public CapturedCodeTest {};

}  // namespace

TEST_F(FourByte, LongConstantsBindBothWordsWithTheWholeValueChoosingTheForm)
{
    ExprNode* big = leaf(LCONST, 65536);
    EXPECT_EQ(generateExpression(big), SIGNED | 5);
    EXPECT_EQ(tempCounter, 38);
    EXPECT_EQ(boundTexts(34, 4), "#>$0000 #<$0000 #>$0001 #<$0001");

    ExprNode* minusOne = leaf(LCONST, -1);
    generateExpression(minusOne);
    EXPECT_EQ(boundTexts(38, 4), "#>-1 #<-1 #>-1 #<-1");

    ExprNode* seventy = leaf(LCONST, 70000);
    tempCounter = 34;
    generateExpression(seventy);
    EXPECT_EQ(boundTexts(34, 4), "#>$1170 #<$1170 #>$0001 #<$0001");

    ExprNode* small = leaf(LCONST, 1023);
    tempCounter = 34;
    generateExpression(small);
    EXPECT_EQ(boundTexts(34, 4), "#>1023 #<1023 #>0 #<0");
    EXPECT_EQ(writtenOutput(), "");
    deleteTree(big);
    deleteTree(minusOne);
    deleteTree(seventy);
    deleteTree(small);
}

TEST_F(FourByte, CharAndIntConstantTypesAndSlots)
{
    ExprNode* letter = leaf(CCONST, 300);
    EXPECT_EQ(generateExpression(letter), 3);
    EXPECT_EQ(tempCounter, 36);
    EXPECT_EQ(boundTexts(34, 2), "#>300 BH");
    ExprNode* word = leaf(ICONST, -129);
    EXPECT_EQ(generateExpression(word), SIGNED | 4);
    EXPECT_EQ(boundTexts(36, 2), "#>$FF7F #<$FF7F");
    deleteTree(letter);
    deleteTree(word);
}

TEST_F(FourByte, AdditionCarriesThroughFourBytesIntoTheLeftSlot)
{
    ExprNode* sum = operatorOver(PLUS, leaf(LCONST, 65536), leaf(LCONST, 2));
    EXPECT_EQ(baseType(generateExpression(sum)), 5);
    EXPECT_EQ(tempCounter, 38);
    EXPECT_EQ(writtenOutput(),
              " LDA #>$0000\n CLC\n ADC #>2\n STA BL\n"
              " LDA #<$0000\n ADC #<2\n STA BH\n"
              " LDA #>$0001\n ADC #>0\n STA CL\n"
              " LDA #<$0001\n ADC #<0\n STA CH\n");
    deleteTree(sum);
}

TEST_F(FourByte, ComparisonOfLongsLeavesATwoByteSlot)
{
    ExprNode* equal = operatorOver(EQ, leaf(LCONST, 1), leaf(LCONST, 2));
    EXPECT_EQ(generateExpression(equal), 1);
    EXPECT_EQ(tempCounter, 36);
    EXPECT_EQ(labelCounter, 3);
    EXPECT_EQ(writtenOutput(),
              " LDA #>1\n SEC\n SBC #>2\n BNE LL2\n LDA #<1\n SBC #<2\n BNE LL2\n"
              " LDA #>0\n SBC #>0\n BNE LL2\n LDA #<0\n SBC #<0\n BEQ LL1\n"
              "LL2 EQU *\n LDA #$0FF\nLL1 EQU *\n EOR #$0FF\n STA BL\n");
    deleteTree(equal);
}

TEST_F(FourByte, OrderingOfLongsIsSignedByTheLongConstant)
{
    ExprNode* less = operatorOver(LT, leaf(LCONST, 1), leaf(LCONST, 2));
    generateExpression(less);
    EXPECT_EQ(tempCounter, 36);
    EXPECT_EQ(writtenOutput(),
              " LDA #>1\n SEC\n SBC #>2\n LDA #<1\n SBC #<2\n LDA #>0\n SBC #>0\n LDA #<0\n SBC #<0\n"
              " BVS LL1\n EOR #$0FF\nLL1 EQU *\n ASL A\n STA BL\n"
              " SBC BL\t* if neg sign set, now carry set, set true\n STA BL\n");
    deleteTree(less);
}

TEST_F(FourByte, LogicalAndOfLongsFoldsAllFourBytesIntoTheLowOne)
{
    ExprNode* both = operatorOver(ANDAND, leaf(LCONST, 65536), leaf(LCONST, 65536));
    EXPECT_EQ(generateExpression(both), 1);
    EXPECT_EQ(tempCounter, 36);
    EXPECT_EQ(writtenOutput(),
              " LDA #>$0000\n AND #>$0000\n STA BL\n"
              " LDA #<$0000\n AND #<$0000\n STA BH\n"
              " LDA #>$0001\n AND #>$0001\n STA CL\n"
              " LDA #<$0001\n AND #<$0001\n STA CH\n"
              " LDA BX\n ORA BX+1\n ORA BX+2\n ORA BX+3\n STA BX\n");
    deleteTree(both);
}

TEST_F(FourByte, WideningToLongClearsTheUpperWordNarrowingDropsIt)
{
    ExprNode* wide = operatorOver(INT_TO_LONG, leaf(ICONST, 5));
    EXPECT_EQ(baseType(generateExpression(wide)), 5);
    EXPECT_EQ(tempCounter, 38);
    EXPECT_EQ(writtenOutput(), " LDA #0\n STA CX\n STA CX+1\n");
    EXPECT_EQ(boundTexts(34, 2), "#>5 #<5");

    ExprNode* fromChar = operatorOver(CHAR_TO_LONG, leaf(CCONST, 7));
    tempCounter = 34;
    generateExpression(fromChar);
    EXPECT_EQ(tempCounter, 38);
    EXPECT_EQ(writtenOutput(), " LDA #0\n STA CX\n STA CX+1\n LDA #0\n STA BH\n LDA #0\n STA CX\n STA CX+1\n");

    ExprNode* narrow = operatorOver(LONG_TO_INT, leaf(LCONST, 65537));
    tempCounter = 34;
    EXPECT_EQ(baseType(generateExpression(narrow)), 4);
    EXPECT_EQ(tempCounter, 36);
    flushRegisters(tempCounter);
    EXPECT_EQ(writtenOutput(),
              " LDA #0\n STA CX\n STA CX+1\n LDA #0\n STA BH\n LDA #0\n STA CX\n STA CX+1\n"
              " LDA #>$0001\n STA BL\n LDA #<$0001\n STA BH\n");
    deleteTree(wide);
    deleteTree(fromChar);
    deleteTree(narrow);
}

TEST_F(FourByte, ReadThroughALongPointerCopiesThePointerTwoWordsUp)
{
    initSymbolTable();
    int32_t symbol = insertSymbol("lp", ID);
    symbolAt(symbol).type = POINTER | 5;
    ExprNode* read = operatorOver(STAR, operatorOver(ID, newNode()));
    read->left->sym = symbol;
    EXPECT_EQ(generateExpression(read), 5);
    EXPECT_EQ(tempCounter, 38);
    std::string name = assemblerName(symbol);
    EXPECT_EQ(writtenOutput(),
              " LDA " + name + "\n STA BL\n LDA " + name + "+1\n STA BH\n"
              " LDY BX\n LDA BX+1\n STY DX\n STA DX+1\n LDY #0\n LDA (DX),Y\n STA BX\n INY\n"
              " LDA (DX),Y\n STA BX+1\n INY\n LDA (DX),Y\n STA BX+2\n INY\n LDA (DX),Y\n STA BX+3\n");
    deleteTree(read);
}

using FourByteDeathTest = FourByte;

TEST_F(FourByteDeathTest, AFourByteSlotReachingByte48IsTooComplex)
{
    ExprNode* fits = leaf(LCONST, 1);
    tempCounter = 44;
    generateExpression(fits);
    EXPECT_EQ(tempCounter, 48);
    ExprNode* over = leaf(LCONST, 1);
    tempCounter = 46;
    EXPECT_EXIT(generateExpression(over), ::testing::ExitedWithCode(2),
                "error: expression too complex");
    deleteTree(fits);
    deleteTree(over);
}

TEST_F(FourByteDeathTest, MissingOperandsAreExpectedIdentifiers)
{
    ExprNode* noRight = operatorOver(PLUS, leaf(ICONST, 1));
    EXPECT_EXIT(generateExpression(noRight), ::testing::ExitedWithCode(2), "error: expected ID");
    ExprNode* noLeft = operatorOver(TILDE, nullptr);
    EXPECT_EXIT(generateExpression(noLeft), ::testing::ExitedWithCode(2), "error: expected ID");
    ExprNode* noCastOperand = operatorOver(CAST_INT, nullptr);
    EXPECT_EXIT(generateExpression(noCastOperand), ::testing::ExitedWithCode(2), "error: expected ID");
    deleteTree(noRight);
    deleteTree(noLeft);
    deleteTree(noCastOperand);
}

TEST_F(FourByteDeathTest, AnUnknownKindIsASyntaxError)
{
    ExprNode* wrapper = operatorOver(EMPTY, leaf(ICONST, 1));
    EXPECT_EXIT(generateExpression(wrapper), ::testing::ExitedWithCode(2),
                "syntax error");
    deleteTree(wrapper);
}

TEST_F(FourByteDeathTest, AThousandsDeepChainStopsBeforeTheStackDoes)
{
    ExprNode* chain = leaf(ICONST, 1);
    for (int i = 0; i < 5000; i++)
        chain = operatorOver(TILDE, chain);
    EXPECT_EXIT(generateExpression(chain), ::testing::ExitedWithCode(2), "error: nesting too deep");
    deleteTree(chain);
}

TEST_F(FourByte, AChainOfAThousandOperatorsCompiles)
{
    ExprNode* chain = leaf(ICONST, 1);
    for (int i = 0; i < 1000; i++)
        chain = operatorOver(PLUS, chain, leaf(ICONST, 1));
    generateExpression(chain);
    EXPECT_EQ(tempCounter, 36);
    deleteTree(chain);
}
