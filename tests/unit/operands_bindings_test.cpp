// Register bindings and operand texts: what byteOperand, wordOperand,
// releaseRegister and flushRegisters write and hand out, the names of the
// upper temporaries, the lifetime of texts in the operand ring, and the
// fatal stop for register bytes past the block.
#include <gtest/gtest.h>

#include <string>

#include "expr/expr.h"
#include "output/output.h"
#include "output_capture.h"

namespace {

// Collects what the operand functions emit; every test starts with no
// binding left over from another.
class Operands : public CapturedCodeTest {};

}  // namespace

TEST_F(Operands, UseInPlaceConsumesTheBindingWithoutCode)
{
    bindRegister(34, "TOTAL");
    EXPECT_STREQ(byteOperand(34, true), "TOTAL");
    EXPECT_STREQ(byteOperand(34, true), "BL");
    EXPECT_STREQ(byteOperand(34, false), "BL");
    EXPECT_EQ(writtenOutput(), "");
}

TEST_F(Operands, LoadWritesTheBoundTextIntoTheByteRegister)
{
    bindRegister(37, "#<1023");
    EXPECT_STREQ(byteOperand(37, false), "CH");
    EXPECT_STREQ(byteOperand(37, false), "CH");
    EXPECT_EQ(writtenOutput(), " LDA #<1023\n STA CH\n");
}

TEST_F(Operands, WordLoadsLowByteThenHighByteAndNamesTheWord)
{
    bindRegister(38, "COUNT");
    bindRegister(39, "COUNT+1");
    EXPECT_STREQ(wordOperand(38), "DX");
    EXPECT_EQ(writtenOutput(), " LDA COUNT\n STA DL\n LDA COUNT+1\n STA DH\n");
    EXPECT_STREQ(wordOperand(38), "DX");
    EXPECT_EQ(writtenOutput(), " LDA COUNT\n STA DL\n LDA COUNT+1\n STA DH\n");
}

TEST_F(Operands, WordWithOnlyItsHighByteBound)
{
    bindRegister(35, "#0");
    EXPECT_STREQ(wordOperand(34), "BX");
    EXPECT_EQ(writtenOutput(), " LDA #0\n STA BH\n");
}

TEST_F(Operands, UpperTemporariesAreNamedByNumberButLoadIntoTheBlockNames)
{
    EXPECT_STREQ(byteOperand(41, false), "AH");
    EXPECT_STREQ(wordOperand(40), "AX");
    EXPECT_STREQ(byteOperand(42, false), "R2AH");
    EXPECT_STREQ(wordOperand(42), "R2AH");
    EXPECT_STREQ(byteOperand(43, true), "R2BH");
    EXPECT_STREQ(wordOperand(44), "R2CH");
    EXPECT_STREQ(byteOperand(47, false), "R2FH");
    bindRegister(42, "#>7");
    bindRegister(44, "X1");
    bindRegister(46, "$0100+IZMAIN,X");
    bindRegister(47, "$0101+IZMAIN,X");
    EXPECT_STREQ(byteOperand(42, false), "R2AH");
    EXPECT_STREQ(wordOperand(44), "R2CH");
    EXPECT_STREQ(wordOperand(46), "R2EH");
    EXPECT_EQ(writtenOutput(),
              " LDA #>7\n STA R2A\n"
              " LDA X1\n STA R2C\n"
              " LDA $0100+IZMAIN,X\n STA R2E\n LDA $0101+IZMAIN,X\n STA R2F\n");
}

TEST_F(Operands, ReleaseDropsBothBytesOfTheWordSilently)
{
    bindRegister(36, "A");
    bindRegister(37, "A+1");
    bindRegister(38, "B");
    releaseRegister(36);
    EXPECT_STREQ(byteOperand(36, true), "CL");
    EXPECT_STREQ(byteOperand(37, true), "CH");
    EXPECT_STREQ(byteOperand(38, true), "B");
    EXPECT_EQ(writtenOutput(), "");
}

TEST_F(Operands, FlushLoadsLiveBytesInAscendingOrderAndDropsTheDead)
{
    bindRegister(40, "DEAD");
    bindRegister(36, "SECOND");
    bindRegister(34, "FIRST");
    flushRegisters(38);
    EXPECT_EQ(writtenOutput(), " LDA FIRST\n STA BL\n LDA SECOND\n STA CL\n");
    EXPECT_STREQ(byteOperand(40, true), "AL");
}

TEST_F(Operands, FlushWithTheWholeBlockLoadsEveryBinding)
{
    bindRegister(47, "LAST");
    bindRegister(35, "#<5");
    flushRegisters(REGISTER_LIMIT);
    EXPECT_EQ(writtenOutput(), " LDA #<5\n STA BH\n LDA LAST\n STA R2F\n");
    flushRegisters(REGISTER_LIMIT);
    EXPECT_EQ(writtenOutput(), " LDA #<5\n STA BH\n LDA LAST\n STA R2F\n");
}

TEST_F(Operands, AHandedOutTextSurvivesFifteenFurtherRequests)
{
    bindRegister(34, "KEPT");
    const char* kept = byteOperand(34, true);
    for (int i = 0; i < 15; i++) {
        byteOperand(36 + (i % 6), false);
        bindRegister(36, "OTHER");
        byteOperand(36, true);
    }
    EXPECT_STREQ(kept, "KEPT");
}

TEST_F(Operands, SixteenTextsOfOneTemplateAreAllDistinct)
{
    const char* texts[16];
    for (int i = 0; i < 16; i++) {
        std::string name = "V" + std::to_string(i);
        bindRegister(34, name.c_str());
        texts[i] = byteOperand(34, true);
    }
    for (int i = 0; i < 16; i++)
        EXPECT_EQ(std::string(texts[i]), "V" + std::to_string(i));
}

TEST_F(Operands, BoundTextHoldsSixtyThreeCharacters)
{
    std::string longest(63, 'N');
    bindRegister(34, longest.c_str());
    EXPECT_EQ(std::string(byteOperand(34, true)), longest);
}

using OperandsDeathTest = Operands;

TEST_F(OperandsDeathTest, BoundTextOfSixtyFourCharactersIsRefused)
{
    std::string tooLong(64, 'N');
    EXPECT_EXIT(bindRegister(34, tooLong.c_str()), ::testing::ExitedWithCode(2),
                "error: name too long");
}

TEST_F(OperandsDeathTest, RegisterBytesPastTheBlockAreTooComplex)
{
    EXPECT_EXIT(bindRegister(48, "#>1"), ::testing::ExitedWithCode(2),
                "error: expression too complex");
    EXPECT_EXIT(byteOperand(48, true), ::testing::ExitedWithCode(2),
                "error: expression too complex");
    EXPECT_EXIT(wordOperand(47), ::testing::ExitedWithCode(2),
                "error: expression too complex");
    EXPECT_EXIT(checkRegister(48), ::testing::ExitedWithCode(2),
                "error: expression too complex");
}

TEST_F(OperandsDeathTest, RegisterBytesBelowTheTemporariesAreRefused)
{
    EXPECT_EXIT(byteOperand(33, false), ::testing::ExitedWithCode(2),
                "error: expression too complex");
}

TEST_F(Operands, LastRegisterByteIsUsable)
{
    checkRegister(47);
    bindRegister(47, "#<9");
    EXPECT_STREQ(byteOperand(47, true), "#<9");
    EXPECT_STREQ(wordOperand(46), "R2EH");
}
