// The dialect reader that quarn-bridge, quarn-opt and the ROM driver share:
// the kind and fields of each line form, the addressing mode and expression
// of each operand form, and which expressions are sums of terms.
#include <gtest/gtest.h>

#include "dialect.h"

TEST(DialectLines, KindsAndFields)
{
    SourceLine data = readSourceLine("COUNT: DFB 300");
    EXPECT_EQ(data.kind, LINE_DATA);
    EXPECT_EQ(data.label, "COUNT");
    EXPECT_TRUE(data.labelColon);
    EXPECT_EQ(data.operation, "DFB");
    EXPECT_EQ(data.operand, "300");
    SourceLine reserve = readSourceLine("TABLE DS 2000");
    EXPECT_EQ(reserve.kind, LINE_DATA);
    EXPECT_EQ(reserve.label, "TABLE");
    EXPECT_FALSE(reserve.labelColon);
    EXPECT_EQ(readSourceLine("LL12 EQU *").kind, LINE_LABEL);
    EXPECT_EQ(readSourceLine("LLS5:").kind, LINE_LABEL);
    SourceLine equate = readSourceLine("BX EQU $F2\t* hl");
    EXPECT_EQ(equate.kind, LINE_EQUATE);
    EXPECT_EQ(equate.operand, "$F2");
    EXPECT_TRUE(equate.hasComment);
    EXPECT_EQ(equate.comment, " hl");
    EXPECT_EQ(readSourceLine(" ORG $2000").kind, LINE_ORIGIN);
    EXPECT_EQ(readSourceLine(" END").kind, LINE_END);
    EXPECT_EQ(readSourceLine("* END * ZMAIN").kind, LINE_COMMENT);
    EXPECT_EQ(readSourceLine(" .byte 1, 2").kind, LINE_TEXT);
    SourceLine inline_ = readSourceLine(" lda #';' ; a comment");
    EXPECT_EQ(inline_.kind, LINE_INSTRUCTION);
    EXPECT_EQ(inline_.operand, "#';'");
    EXPECT_EQ(inline_.comment, " a comment");
    EXPECT_EQ(readSourceLine("").kind, LINE_BLANK);
}

TEST(DialectLines, Errors)
{
    EXPECT_EQ(readSourceLine("9LABEL EQU *").error, "a name must start the line");
    EXPECT_EQ(readSourceLine("NAME+ EQU *").error, "a name must start the line");
    EXPECT_EQ(readSourceLine("NOVALUE EQU").error, "EQU without a value");
    EXPECT_EQ(readSourceLine(" EQU 5").error, "EQU without a name");
    EXPECT_EQ(readSourceLine("EMPTY: DFB").error, "data directive without a value");
    EXPECT_EQ(readSourceLine(" DS -1").error, "negative DS count");
    EXPECT_EQ(readSourceLine(" ORG").error, "ORG without an address");
    EXPECT_EQ(readSourceLine(std::string(MAX_LINE_LENGTH + 1, ' ')).error, "line too long");
    EXPECT_EQ(readSourceLine(std::string(MAX_NAME_LENGTH + 1, 'N') + " EQU *").error, "name too long");
}

TEST(DialectOperands, Modes)
{
    Operand low = readOperand("LDY", "#>$0100+IZMAIN");
    EXPECT_EQ(low.mode, MODE_IMMEDIATE);
    EXPECT_EQ(low.select, SELECT_LOW);
    EXPECT_EQ(low.expression, "$0100+IZMAIN");
    EXPECT_EQ(readOperand("LDA", "#<TABLE+6").select, SELECT_HIGH);
    EXPECT_EQ(readOperand("LDA", "#5").select, SELECT_WHOLE);
    Operand frame = readOperand("STA", "$0101+IZMAIN,X");
    EXPECT_EQ(frame.mode, MODE_DIRECT_X);
    EXPECT_EQ(frame.expression, "$0101+IZMAIN");
    EXPECT_EQ(readOperand("LDA", "TABLE,Y").mode, MODE_DIRECT_Y);
    Operand pointer = readOperand("STA", "(BX),Y");
    EXPECT_EQ(pointer.mode, MODE_INDIRECT_Y);
    EXPECT_EQ(pointer.expression, "BX");
    EXPECT_EQ(readOperand("LDA", "(BX,X)").mode, MODE_INDIRECT_X);
    EXPECT_EQ(readOperand("JMP", "(VECTOR)").mode, MODE_INDIRECT);
    Operand sum = readOperand("LDA", "(A+B)*2");
    EXPECT_EQ(sum.mode, MODE_DIRECT);
    EXPECT_TRUE(sum.parenthesized);
    EXPECT_EQ(readOperand("ASL", "A").mode, MODE_ACCUMULATOR);
    EXPECT_EQ(readOperand("LDA", "A").mode, MODE_DIRECT);
    EXPECT_EQ(readOperand("RTS", "").mode, MODE_IMPLIED);
}

TEST(DialectExpressions, SumsOfTerms)
{
    Expression frame = parseExpression("$0100+IZMAIN");
    ASSERT_TRUE(frame.linear);
    ASSERT_EQ(frame.terms.size(), 2u);
    EXPECT_EQ(frame.terms[0].value, 0x100);
    EXPECT_EQ(frame.terms[1].name, "IZMAIN");
    Expression negative = parseExpression("-127");
    ASSERT_TRUE(negative.linear);
    EXPECT_TRUE(negative.terms[0].negative);
    EXPECT_EQ(negative.terms[0].value, 127);
    EXPECT_TRUE(parseExpression("*+3").terms[0].location);
    EXPECT_TRUE(parseExpression("NAME - 1").linear);
    EXPECT_FALSE(parseExpression("(A+B)*2").linear);
    EXPECT_FALSE(parseExpression("'x'").linear);
    EXPECT_FALSE(parseExpression("12AB").linear);
    EXPECT_FALSE(parseExpression("A B").linear);
    EXPECT_FALSE(parseExpression("").linear);
}
