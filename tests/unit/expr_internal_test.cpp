// Expression code no source program reaches: four-byte integer values whose
// bytes are still bound (no declaration has a four-byte integer type, a struct
// element is read, never bound), long conversions and results; internal limits.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "base/options.h"
#include "expr/expr.h"
#include "output/output.h"
#include "stmt/stmt.h"
#include "symbols/symbols.h"

namespace {

ExprNode* node(int32_t op, ExprNode* left = nullptr, ExprNode* right = nullptr, int32_t value = 0)
{
    ExprNode* made = newNode();
    *made = ExprNode{op, 0, left, right, value, 0.0};
    return made;
}

const char* const WIDE_LOADS =
    " LDA WIDE\n STA BL\n LDA WIDE+1\n STA BH\n LDA WIDE+2\n STA CL\n LDA WIDE+3\n STA CH\n";

// Everything emitted since the test began: the output goes to a temporary file.
std::string writtenOutput()
{
    flushOutput();
    fflush(outputFile);
    std::string text(static_cast<size_t>(ftell(outputFile)), '\0');
    rewind(outputFile);
    text.resize(fread(text.data(), 1, text.size(), outputFile));
    fseek(outputFile, 0, SEEK_END);
    return text;
}

// The pending texts of bytes first .. first + count - 1, used in place.
std::string boundTexts(int first, int count)
{
    std::string texts;
    for (int k = 0; k < count; k++)
        texts += (k > 0 ? " " : "") + std::string(byteOperand(first + k, true));
    return texts;
}

class Internal : public ::testing::Test {
protected:
    // Output captured, no byte pending, a fresh symbol table, temporaries and labels from the start.
    void SetUp() override
    {
        outputFile = tmpfile();
        ASSERT_NE(outputFile, nullptr);
        flushRegisters(32);
        initSymbolTable();
        tempCounter = FIRST_TEMP;
        labelCounter = 1;
    }
    void TearDown() override
    {
        optimizeFlag = 0;
        mulDivMode = MULDIV_INLINE;
        deleteTree(root);
        flushRegisters(32);
        flushOutput();
        fclose(outputFile);
        outputFile = nullptr;
    }
    // A use of a new name of the given type and value, with suffix.
    ExprNode* use(const char* name, TypeCode type, ExprNode* suffix = nullptr, int32_t value = 0)
    {
        ExprNode* made = node(ID, suffix == nullptr ? newNode() : suffix);
        made->sym = insertSymbol(name, ID);
        symbolAt(made->sym).type = type;
        symbolAt(made->sym).intValue = value;
        return made;
    }
    // The text of tree generated from BX and label 1, pending loads included.
    std::string generated(ExprNode* tree)
    {
        deleteTree(root);
        root = tree;
        tempCounter = FIRST_TEMP;
        labelCounter = 1;
        size_t before = writtenOutput().size();
        generateExpression(root);
        flushRegisters(tempCounter);
        return writtenOutput().substr(before);
    }
    ExprNode* root = nullptr;
};

}  // namespace

TEST_F(Internal, BoundLongShiftedByAConstant)
{
    optimizeFlag = 1;
    EXPECT_EQ(generated(node(SHL, use("wide", BASE_LONG), node(LCONST, nullptr, nullptr, 3))),
              std::string(" LDA #>3\n STA DL\n") + WIDE_LOADS +
                  "LL1 EQU *\n ASL BX\n ROL BX+1\n ROL BX+2\n ROL BX+3\n DEC DL\n BNE LL1\n");
    EXPECT_EQ(tempCounter, 38);
    EXPECT_EQ(labelCounter, 2);
    // 34 is 2 modulo 32: two unrolled steps.
    EXPECT_EQ(generated(node(SHR, use("wide", BASE_LONG), node(LCONST, nullptr, nullptr, 34))),
              std::string(WIDE_LOADS) + " LSR BX+3\n ROR BX+2\n ROR BX+1\n ROR BX\n LSR BX+3\n ROR BX+2\n ROR BX+1\n ROR BX\n");
}

// The multiplier is loaded whole before the loop; under -C the right
// operand's upper word is requested, and so loaded, first.
TEST_F(Internal, BoundLongMultiplied)
{
    std::string loads = std::string(WIDE_LOADS) + " LDA OTHER\n STA DL\n LDA OTHER+1\n STA DH\n LDA OTHER+2\n STA AL\n";
    EXPECT_EQ(generated(node(STAR, use("wide", BASE_LONG), use("other", BASE_LONG))).substr(0, loads.size()), loads);
    mulDivMode = MULDIV_HELPERS;
    EXPECT_EQ(generated(node(STAR, use("wide", BASE_LONG), use("other", BASE_LONG))),
              std::string(WIDE_LOADS) + " LDA CX+1\n PHA\n LDA CX\n PHA\n LDA BX+1\n PHA\n LDA BX\n PHA\n"
                  " LDA OTHER+2\n STA AL\n LDA OTHER+3\n STA AH\n LDA OTHER\n STA DL\n LDA OTHER+1\n STA DH\n"
                  " LDA DX+1\n PHA\n LDA DX\n PHA\n LDA AX+1\n PHA\n LDA AX\n PHA\n"
                  " JSR ZMUL32HELPER\n STX BP\n TSX\n INX\n INX\n INX\n INX\n TXS\n LDX BP\n"
                  " LDA BX\n STA DX\n LDA BX+1\n STA DX+1\n PLA\n STA BX\n PLA\n STA BX+1\n PLA\n STA CX\n PLA\n STA CX+1\n");
    EXPECT_EQ(tempCounter, 38);
}

TEST_F(Internal, LongArgumentAndLongResult)
{
    ExprNode* take = use("take", FUNCTION);
    root = node(COMMA, use("wide", BASE_LONG));
    compileCall(take->sym, root);
    deleteTree(take);
    EXPECT_EQ(writtenOutput(), std::string(WIDE_LOADS) + " LDA CH\n PHA\n LDA CL\n PHA\n LDA BH\n PHA\n LDA BL\n PHA\n"
                                   " JSR ZTAKE\n STX BP\n TSX\n TXA\n CLC\n ADC #$04\n TAX\n TXS\n LDX BP\n");
    generated(use("give", FUNCTION | BASE_LONG, node(LPAREN, node(RPAREN))));
    EXPECT_EQ(tempCounter, 38);
}

TEST_F(Internal, LongNamesAndConstantsBindFourTexts)
{
    EXPECT_EQ(generated(use("local", FRAME | BASE_LONG)),
              " LDA $0100+LOCAL,X\n STA BL\n LDA $0101+LOCAL,X\n STA BH\n LDA $0102+LOCAL,X\n STA CL\n"
              " LDA $0103+LOCAL,X\n STA CH\n");
    EXPECT_EQ(generated(use("big", CONST | BASE_LONG, nullptr, 70000)),
              " LDA #>$1170\n STA BL\n LDA #<$1170\n STA BH\n LDA #>$0001\n STA CL\n LDA #<$0001\n STA CH\n");
    EXPECT_EQ(generated(use("minus", CONST | BASE_LONG, nullptr, -5)),
              " LDA #>-5\n STA BL\n LDA #<-5\n STA BH\n LDA #>-1\n STA CL\n LDA #<-1\n STA CH\n");
    EXPECT_EQ(tempCounter, 38);
}

TEST_F(Internal, LongArrayElements)
{
    const std::string read = " LDY #0\n LDA (DX),Y\n STA BX\n INY\n LDA (DX),Y\n STA BX+1\n"
                             " INY\n LDA (DX),Y\n STA BX+2\n INY\n LDA (DX),Y\n STA BX+3\n";
    optimizeFlag = 1;
    EXPECT_EQ(generated(use("table", ARRAY | BASE_LONG, node(LBRACKET, node(ICONST, nullptr, nullptr, 3)))),
              " LDY #>TABLE+12\n LDA #<TABLE+12\n STY DX\n STA DX+1\n" + read);
    EXPECT_EQ(generated(use("table", ARRAY | BASE_LONG, node(LBRACKET, use("i", SIGNED | BASE_INT)))),
              " LDY #>TABLE\n LDA #<TABLE\n STY BX\n STA BX+1\n LDA I\n STA CL\n LDA I+1\n STA CH\n"
              " ASL CX\n ROL CX+1\n ASL CX\n ROL CX+1\n LDA BL\n CLC\n ADC CL\n STA BL\n"
              " LDA BH\n ADC CH\n STA BH\n LDY BX\n LDA BX+1\n STY DX\n STA DX+1\n" + read);
    EXPECT_EQ(tempCounter, 38);
}

// Widening to long clears the upper word (a bool masked first); narrowing drops it.
TEST_F(Internal, LongConversions)
{
    EXPECT_EQ(generated(node(INT_TO_LONG, node(ICONST, nullptr, nullptr, -5))),
              " LDA #0\n STA CX\n STA CX+1\n LDA #>-5\n STA BL\n LDA #<-5\n STA BH\n");
    EXPECT_EQ(generated(node(CHAR_TO_LONG, node(CCONST, nullptr, nullptr, 7))),
              " LDA #0\n STA BH\n LDA #0\n STA CX\n STA CX+1\n LDA #>7\n STA BL\n");
    EXPECT_EQ(generated(node(BOOL_TO_LONG, node(CCONST, nullptr, nullptr, 3))),
              " LDA #>3\n STA BL\n LDA BX\n AND #1\n STA BX\n LDA #0\n STA BX+1\n LDA #0\n STA CX\n STA CX+1\n");
    EXPECT_EQ(tempCounter, 38);
    EXPECT_EQ(generated(node(LONG_TO_INT, node(LCONST, nullptr, nullptr, 65537))), " LDA #>$0001\n STA BL\n LDA #<$0001\n STA BH\n");
    generated(node(LONG_TO_CHAR, node(LCONST)));
    EXPECT_EQ(tempCounter, 36);
    // A long constant beside a narrower operand becomes an int, then a char.
    deleteTree(root);
    root = node(PLUS, node(LCONST), node(ID));
    EXPECT_EQ(balanceTypes(BASE_LONG, BASE_INT, root), BASE_INT);
    EXPECT_EQ(root->left->op, ICONST);
    root->left->op = LCONST;
    EXPECT_EQ(balanceTypes(BASE_LONG, BASE_CHAR, root), BASE_CHAR);
    EXPECT_EQ(root->left->op, CCONST);
    EXPECT_EQ(root->right->op, ID);
}

// Releasing a word drops both pending bytes; sixteen texts of one template
// are all distinct; a bound text holds 63 characters; past limits, fatal.
TEST_F(Internal, OperandsAndLimits)
{
    bindRegister(36, "A");
    bindRegister(37, "A+1");
    releaseRegister(36);
    EXPECT_EQ(boundTexts(36, 2), "CL CH");
    const char* texts[16];
    for (int k = 0; k < 16; k++) {
        bindRegister(34, std::to_string(k).c_str());
        texts[k] = byteOperand(34, true);
    }
    for (int k = 0; k < 16; k++)
        EXPECT_EQ(texts[k], std::to_string(k));
    std::string longest(63, 'N');
    bindRegister(47, longest.c_str());
    EXPECT_EQ(byteOperand(47, true), longest);
    EXPECT_EXIT(bindRegister(34, (longest + "N").c_str()), ::testing::ExitedWithCode(2), "error: name too long");
    const char* tooComplex = "error: expression too complex";
    EXPECT_EXIT(bindRegister(48, "#>1"), ::testing::ExitedWithCode(2), tooComplex);
    EXPECT_EXIT(byteOperand(48, true), ::testing::ExitedWithCode(2), tooComplex);
    EXPECT_EXIT(wordOperand(47), ::testing::ExitedWithCode(2), tooComplex);
    EXPECT_EXIT(byteOperand(33, false), ::testing::ExitedWithCode(2), tooComplex);
    tempCounter = 46;
    EXPECT_EXIT(generateExpression(node(LCONST)), ::testing::ExitedWithCode(2), tooComplex);
    root = node(ICONST);
    for (int k = 0; k < 5000; k++)
        root = node(TILDE, root);
    EXPECT_EXIT(generateExpression(root), ::testing::ExitedWithCode(2), "error: nesting too deep");
    const int32_t missing[] = {PLUS, TILDE, CAST_INT, SLASH, SHL, LT};
    for (int32_t op : missing)
        EXPECT_EXIT(generateExpression(node(op, op == TILDE || op == CAST_INT ? nullptr : node(ICONST))),
                    ::testing::ExitedWithCode(2), "error: expected ID");
}
