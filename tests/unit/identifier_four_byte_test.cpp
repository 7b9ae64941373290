// Four-byte identifiers: a long global, frame variable or constant binds four
// operand texts, and an element of a long array is read through a pointer
// copy two words above the result, whether the index is a constant (under
// -O) or computed. No declaration yields a long, so the symbols are made by
// hand; the expected texts are the templates of the element reads.
#include <gtest/gtest.h>

#include <string>

#include "decl/decl.h"
#include "driver/driver.h"
#include "expr/expr.h"
#include "expr_harness.h"
#include "output/output.h"
#include "output_capture.h"
#include "stmt/stmt.h"
#include "symbols/symbols.h"

namespace {

class LongIdentifiers : public CapturedCodeTest {
protected:
    void SetUp() override
    {
        CapturedCodeTest::SetUp();
        savedOptimize = optimizeFlag;
    }
    void TearDown() override
    {
        optimizeFlag = savedOptimize;
        deleteTree(root);
        CapturedCodeTest::TearDown();
    }
    int32_t declare(const char* name, TypeCode type, int32_t value = 0)
    {
        int32_t symbol = insertSymbol(name, ID);
        symbolAt(symbol).type = type;
        symbolAt(symbol).intValue = value;
        return symbol;
    }
    // name, name[index] (index not null).
    ExprNode* identifier(int32_t symbol, ExprNode* index = nullptr)
    {
        ExprNode* node = newNode();
        node->op = ID;
        node->sym = symbol;
        node->left = newNode();
        if (index != nullptr) {
            node->left->op = LBRACKET;
            node->left->left = index;
        }
        return node;
    }

    ExprNode* root = nullptr;
    uint8_t savedOptimize = 0;
};

// The four bytes of the value are read through the pointer in DX into BX..BX+3.
const char* const LONG_READ_THROUGH_DX =
    " LDY #0\n LDA (DX),Y\n STA BX\n INY\n LDA (DX),Y\n STA BX+1\n"
    " INY\n LDA (DX),Y\n STA BX+2\n INY\n LDA (DX),Y\n STA BX+3\n";

}  // namespace

TEST_F(LongIdentifiers, GlobalAndFrameVariablesBindFourBytes)
{
    int32_t wide = declare("wide", 5);
    root = identifier(wide);
    EXPECT_EQ(generateExpression(root), 5);
    EXPECT_EQ(tempCounter, 38);
    EXPECT_EQ(boundTexts(34, 4), "WIDE WIDE+1 WIDE+2 WIDE+3");

    int32_t local = declare("local", FRAME | SIGNED | 5);
    ExprNode* frame = identifier(local);
    EXPECT_EQ(generateExpression(frame), FRAME | SIGNED | 5);
    EXPECT_EQ(tempCounter, 42);
    EXPECT_EQ(boundTexts(38, 4), "$0100+LOCAL,X $0101+LOCAL,X $0102+LOCAL,X $0103+LOCAL,X");
    EXPECT_EQ(writtenOutput(), "");
    deleteTree(frame);
}

TEST_F(LongIdentifiers, ConstantsBindTheirLowerThenUpperHalf)
{
    int32_t big = declare("big", CONST | 5, 70000);
    root = identifier(big);
    EXPECT_EQ(generateExpression(root), CONST | 5);
    EXPECT_EQ(tempCounter, 38);
    EXPECT_EQ(boundTexts(34, 4), "#>$1170 #<$1170 #>$0001 #<$0001");

    // In the decimal range the upper half is the value's signed upper 16 bits.
    int32_t negative = declare("negative", CONST | SIGNED | 5, -5);
    ExprNode* small = identifier(negative);
    generateExpression(small);
    EXPECT_EQ(boundTexts(38, 4), "#>-5 #<-5 #>-1 #<-1");
    EXPECT_EQ(writtenOutput(), "");
    deleteTree(small);
}

TEST_F(LongIdentifiers, ConstantIndexIsPartOfTheAddressUnderOptimisation)
{
    optimizeFlag = 1;
    int32_t table = declare("table", ARRAY | 5);
    root = identifier(table, leaf(ICONST, 3));
    EXPECT_EQ(generateExpression(root), 5);
    EXPECT_EQ(tempCounter, 38);
    EXPECT_EQ(writtenOutput(), std::string(" LDY #>TABLE+12\n LDA #<TABLE+12\n STY DX\n STA DX+1\n") +
                                   LONG_READ_THROUGH_DX);
}

TEST_F(LongIdentifiers, ComputedIndexIsScaledByFourAndThePointerCopied)
{
    int32_t table = declare("table", ARRAY | 5);
    int32_t index = declare("i", SIGNED | 4);
    root = identifier(table, identifier(index));
    EXPECT_EQ(generateExpression(root), 5);
    EXPECT_EQ(tempCounter, 38);
    EXPECT_EQ(writtenOutput(), std::string(" LDY #>TABLE\n LDA #<TABLE\n STY BX\n STA BX+1\n"
                                           " LDA I\n STA CL\n LDA I+1\n STA CH\n"
                                           " ASL CX\n ROL CX+1\n ASL CX\n ROL CX+1\n"
                                           " LDA BL\n CLC\n ADC CL\n STA BL\n"
                                           " LDA BH\n ADC CH\n STA BH\n"
                                           " LDY BX\n LDA BX+1\n STY DX\n STA DX+1\n") +
                                   LONG_READ_THROUGH_DX);
}

TEST_F(LongIdentifiers, WithoutOptimisationAConstantIndexIsComputed)
{
    optimizeFlag = 0;
    int32_t table = declare("table", ARRAY | 5);
    root = identifier(table, leaf(ICONST, 1));
    generateExpression(root);
    EXPECT_EQ(writtenOutput(), std::string(" LDY #>TABLE\n LDA #<TABLE\n STY BX\n STA BX+1\n"
                                           " LDA #>1\n STA CL\n LDA #<1\n STA CH\n"
                                           " ASL CX\n ROL CX+1\n ASL CX\n ROL CX+1\n"
                                           " LDA BL\n CLC\n ADC CL\n STA BL\n"
                                           " LDA BH\n ADC CH\n STA BH\n"
                                           " LDY BX\n LDA BX+1\n STY DX\n STA DX+1\n") +
                                   LONG_READ_THROUGH_DX);
}
