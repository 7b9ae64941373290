// Four-byte operands whose bytes are still pending (bound to a variable's
// operand texts) in the multiply, shift and call code. No source construct
// yields a bound four-byte integer value, so the trees are built by hand with
// a long global: the shifts by a constant count under -O, the product whose
// multiplier is read up to its fourth byte, the helper call and the push of a
// long argument.
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

class LongOperands : public CapturedCodeTest {
protected:
    void SetUp() override
    {
        CapturedCodeTest::SetUp();
        wide = insertSymbol("wide", ID);
        symbolAt(wide).type = 5;
        other = insertSymbol("other", ID);
        symbolAt(other).type = 5;
        take = insertSymbol("take", ID);
        symbolAt(take).type = FUNCTION;
        savedOptimize = optimizeFlag;
        savedMode = mulDivMode;
    }
    void TearDown() override
    {
        optimizeFlag = savedOptimize;
        mulDivMode = savedMode;
        deleteTree(root);
        CapturedCodeTest::TearDown();
    }
    ExprNode* identifier(int32_t symbol)
    {
        ExprNode* node = newNode();
        node->op = ID;
        node->sym = symbol;
        node->left = newNode();
        return node;
    }

    int32_t wide = 0;
    int32_t other = 0;
    int32_t take = 0;
    ExprNode* root = nullptr;
    uint8_t savedOptimize = 0;
    uint8_t savedMode = 1;
};

const char* const WIDE_LOADS =
    " LDA WIDE\n STA BL\n LDA WIDE+1\n STA BH\n LDA WIDE+2\n STA CL\n LDA WIDE+3\n STA CH\n";

}  // namespace

// Three steps are past the four-byte unroll limit of two: the counter goes to
// the first free byte (DL), then the whole value is loaded before the loop.
TEST_F(LongOperands, ConstantShiftByThreeLoopsOnACounter)
{
    optimizeFlag = 1;
    root = operatorOver(SHL, identifier(wide), leaf(LCONST, 3));
    EXPECT_EQ(generateExpression(root), 5);
    flushRegisters(tempCounter);
    EXPECT_EQ(writtenOutput(), std::string(" LDA #>3\n STA DL\n") + WIDE_LOADS +
                                   "LL1 EQU *\n ASL BX\n ROL BX+1\n ROL BX+2\n ROL BX+3\n"
                                   " DEC DL\n BNE LL1\n");
    EXPECT_EQ(tempCounter, 38);
    EXPECT_EQ(labelCounter, 2);
}

TEST_F(LongOperands, ConstantShiftByTwoIsUnrolled)
{
    optimizeFlag = 1;
    root = operatorOver(SHR, identifier(wide), leaf(LCONST, 2));
    generateExpression(root);
    flushRegisters(tempCounter);
    EXPECT_EQ(writtenOutput(), std::string(WIDE_LOADS) +
                                   " LSR BX+3\n ROR BX+2\n ROR BX+1\n ROR BX\n"
                                   " LSR BX+3\n ROR BX+2\n ROR BX+1\n ROR BX\n");
    EXPECT_EQ(tempCounter, 38);
    EXPECT_EQ(labelCounter, 2);
}

// The count is taken modulo 32: 33 is a single step.
TEST_F(LongOperands, ConstantShiftCountIsMaskedToFiveBits)
{
    optimizeFlag = 1;
    root = operatorOver(SHL, identifier(wide), leaf(LCONST, 33));
    generateExpression(root);
    flushRegisters(tempCounter);
    EXPECT_EQ(writtenOutput(), std::string(WIDE_LOADS) + " ASL BX\n ROL BX+1\n ROL BX+2\n ROL BX+3\n");
}

// Without -O the constant count is generated, and the loop reads its low byte.
TEST_F(LongOperands, ConstantShiftWithoutOptimisationIsACountedLoop)
{
    optimizeFlag = 0;
    root = operatorOver(SHL, identifier(wide), leaf(LCONST, 3));
    generateExpression(root);
    flushRegisters(tempCounter);
    EXPECT_EQ(writtenOutput(), std::string(WIDE_LOADS) +
                                   " LDA #>3\n STA DL\n LDA #<3\n STA DH\n LDA #>0\n STA AL\n"
                                   " LDA #<0\n STA AH\n"
                                   "LL1 EQU *\n ASL BX\n ROL BX+1\n ROL BX+2\n ROL BX+3\n"
                                   " DEC DL\n BNE LL1\n");
    EXPECT_EQ(tempCounter, 38);
}

// The left operand is flushed before the right one is generated; the
// multiplier is loaded whole (DX and AX) before the loop shifts AX's bytes,
// and nothing is left pending after the product.
TEST_F(LongOperands, ProductLoadsAllFourMultiplierBytes)
{
    mulDivMode = 1;
    root = operatorOver(STAR, identifier(wide), identifier(other));
    EXPECT_EQ(generateExpression(root), 5);
    const std::string beforeLoop = writtenOutput();
    flushRegisters(tempCounter);
    EXPECT_EQ(writtenOutput(), beforeLoop);
    const std::string loads = std::string(WIDE_LOADS) +
                              " LDA OTHER\n STA DL\n LDA OTHER+1\n STA DH\n"
                              " LDA OTHER+2\n STA AL\n LDA OTHER+3\n STA AH\n";
    ASSERT_EQ(beforeLoop.substr(0, loads.size()), loads);
    const std::string loop = beforeLoop.substr(loads.size());
    EXPECT_EQ(loop.substr(0, 7), "* mull\n");
    EXPECT_NE(loop.find(" LSR DX+3\n ROR DX+2\n ROR DX+1\n ROR DX\n BCC LL2\n"), std::string::npos);
    EXPECT_EQ(loop.substr(loop.size() - 7), "* mull\n");
    EXPECT_EQ(tempCounter, 38);
    EXPECT_EQ(labelCounter, 3);
}

// -C: the left operand (BX, CX) is saved; the right operand's words are
// requested upper word first, so AX is loaded before DX.
TEST_F(LongOperands, HelperCallPushesBothWordsOfTheRightOperand)
{
    mulDivMode = 0;
    root = operatorOver(STAR, identifier(wide), identifier(other));
    generateExpression(root);
    flushRegisters(tempCounter);
    EXPECT_EQ(writtenOutput(), std::string(WIDE_LOADS) +
                                   " LDA CX+1\n PHA\n LDA CX\n PHA\n"
                                   " LDA BX+1\n PHA\n LDA BX\n PHA\n"
                                   " LDA OTHER+2\n STA AL\n LDA OTHER+3\n STA AH\n"
                                   " LDA OTHER\n STA DL\n LDA OTHER+1\n STA DH\n"
                                   " LDA DX+1\n PHA\n LDA DX\n PHA\n LDA AX+1\n PHA\n LDA AX\n PHA\n"
                                   " JSR ZMUL32HELPER\n STX BP\n TSX\n INX\n INX\n INX\n INX\n TXS\n"
                                   " LDX BP\n"
                                   " LDA BX\n STA DX\n LDA BX+1\n STA DX+1\n"
                                   " PLA\n STA BX\n PLA\n STA BX+1\n PLA\n STA CX\n PLA\n STA CX+1\n");
    EXPECT_EQ(tempCounter, 38);
    EXPECT_EQ(labelCounter, 3);
}

// A long argument is loaded byte 0 first and pushed most significant first.
TEST_F(LongOperands, LongArgumentIsPushedAsFourBytes)
{
    root = newNode();
    root->op = COMMA;
    root->left = identifier(wide);
    compileCall(take, root);
    EXPECT_EQ(writtenOutput(), std::string(WIDE_LOADS) +
                                   " LDA CH\n PHA\n LDA CL\n PHA\n LDA BH\n PHA\n LDA BL\n PHA\n"
                                   " JSR ZTAKE\n STX BP\n TSX\n TXA\n CLC\n ADC #$04\n TAX\n TXS\n"
                                   " LDX BP\n");
    EXPECT_EQ(tempCounter, FIRST_TEMP);
}
