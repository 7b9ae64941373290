// Number scanning: decimal, octal and hexadecimal integers with 32-bit
// wrap-around, floating constants built digit by digit or through atof with
// an exponent, the forms that split into several tokens, and the length limit.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "lexer/lexer.h"
#include "symbols/symbols.h"

namespace {

FILE* numberSource;  // our own stream, so no other test's file is closed

void startScan(const std::string& text)
{
    if (numberSource != nullptr)
        fclose(numberSource);
    numberSource = tmpfile();
    ASSERT_NE(numberSource, nullptr);
    fwrite(text.data(), 1, text.size(), numberSource);
    rewind(numberSource);
    sourceFile = numberSource;
    resetScanner();
    initSymbolTable();
    symbolTable.declarationMode = 0;
}

// The value of the single integer constant that text holds.
int32_t integerOf(const std::string& text)
{
    startScan(text);
    EXPECT_EQ(nextToken(), ICONST) << text;
    EXPECT_EQ(tokenSymbol, 0) << text;
    EXPECT_EQ(tokenFloatValue, 0.0) << text;
    int32_t value = tokenIntValue;
    EXPECT_EQ(nextToken(), ENDFILE) << text;
    return value;
}

// The value of the single floating constant that text holds.
double floatOf(const std::string& text)
{
    startScan(text);
    EXPECT_EQ(nextToken(), FCONST) << text;
    EXPECT_EQ(tokenSymbol, 0) << text;
    EXPECT_EQ(tokenIntValue, 0) << text;
    double value = tokenFloatValue;
    EXPECT_EQ(nextToken(), ENDFILE) << text;
    return value;
}

void expectInteger(int32_t value)
{
    EXPECT_EQ(nextToken(), ICONST);
    EXPECT_EQ(tokenIntValue, value);
}

void expectName(const char* name)
{
    EXPECT_EQ(nextToken(), ID);
    EXPECT_STREQ(lexeme, name);
}

}  // namespace

TEST(ScannerNumbers, DecimalIntegers)
{
    EXPECT_EQ(integerOf("0"), 0);
    EXPECT_EQ(integerOf("7"), 7);
    EXPECT_EQ(integerOf("1234"), 1234);
    EXPECT_EQ(integerOf("2147483647"), 2147483647);
}

TEST(ScannerNumbers, DecimalWrapsIn32Bits)
{
    EXPECT_EQ(integerOf("2147483648"), INT32_MIN);
    EXPECT_EQ(integerOf("4294967295"), -1);
    EXPECT_EQ(integerOf("4294967296"), 0);
    EXPECT_EQ(integerOf("4294967297"), 1);
    // 10^20 mod 2^32
    EXPECT_EQ(integerOf("100000000000000000000"), 1661992960);
}

TEST(ScannerNumbers, OctalAndItsEndings)
{
    EXPECT_EQ(integerOf("017"), 15);
    EXPECT_EQ(integerOf("0777"), 511);
    EXPECT_EQ(integerOf("037777777777"), -1);
    EXPECT_EQ(integerOf("040000000000"), 0);
    startScan("019 08");
    expectInteger(1);
    expectInteger(9);
    expectInteger(0);
    expectInteger(8);
    EXPECT_EQ(nextToken(), ENDFILE);
}

TEST(ScannerNumbers, Hexadecimal)
{
    EXPECT_EQ(integerOf("0x1F"), 31);
    EXPECT_EQ(integerOf("0xff"), 255);
    EXPECT_EQ(integerOf("0XaB"), 171);
    EXPECT_EQ(integerOf("0x80000000"), INT32_MIN);
    EXPECT_EQ(integerOf("0x100000001"), 1);
    EXPECT_EQ(integerOf("0x"), 0);
    // Hexadecimal digits never enter the number text, so any length wraps.
    EXPECT_EQ(integerOf("0x" + std::string(60, '0') + "12345678"), 0x12345678);
    startScan("0xg 0x;");
    expectInteger(0);
    expectName("g");
    expectInteger(0);
    EXPECT_EQ(nextToken(), 173);
}

TEST(ScannerNumbers, NoSuffixesNoLeadingPointNoBareExponent)
{
    startScan("0L 12u .5 1e5 12ab");
    expectInteger(0);
    expectName("L");
    expectInteger(12);
    expectName("u");
    EXPECT_EQ(nextToken(), 46);
    expectInteger(5);
    expectInteger(1);
    expectName("e5");
    expectInteger(12);
    expectName("ab");
    EXPECT_EQ(nextToken(), ENDFILE);
}

TEST(ScannerNumbers, FractionsWithoutExponent)
{
    EXPECT_EQ(floatOf("12.5"), 12.5);
    EXPECT_STREQ(numberText, "12.5");
    EXPECT_EQ(numberTextLength, 4);
    EXPECT_EQ(floatOf("0.25"), 0.25);
    EXPECT_EQ(floatOf("1.0"), 1.0);
}

// Each fraction digit is divided by 10.0 once per place and added in order;
// these values differ in the last bit from the correctly rounded ones.
TEST(ScannerNumbers, FractionDigitsAreAddedOneByOne)
{
    EXPECT_EQ(floatOf("0.123"), 0x1.f7ced916872b1p-4);
    EXPECT_EQ(floatOf("3.14159"), 0x1.921f9f01b866fp+1);
    EXPECT_EQ(floatOf("99.99"), 0x1.8ff5c28f5c290p+6);
    EXPECT_EQ(floatOf("0.000001"), 0x1.0c6f7a0b5ed8ep-20);
}

TEST(ScannerNumbers, NegativeWrappedIntegerPartSubtractsTheFraction)
{
    EXPECT_EQ(floatOf("2147483648.5"), -2147483648.5);
}

TEST(ScannerNumbers, ExponentGoesThroughAtof)
{
    EXPECT_EQ(floatOf("1.5e3"), 1500.0);
    EXPECT_STREQ(numberText, "1.5e3");
    EXPECT_EQ(floatOf("1.5E-2"), 0.015);
    EXPECT_EQ(floatOf("2.5e+1"), 25.0);
    EXPECT_EQ(floatOf("0.123e0"), 0.123);
    EXPECT_STREQ(numberText, "0.123e0");
    // An exponent with no digits leaves the mantissa.
    EXPECT_EQ(floatOf("1.5e"), 1.5);
    startScan("1.5e-x");
    EXPECT_EQ(nextToken(), FCONST);
    EXPECT_EQ(tokenFloatValue, 1.5);
    expectName("x");
}

TEST(ScannerNumbers, PointWithoutDigitIsScannedAgain)
{
    startScan("7.x");
    expectInteger(7);
    EXPECT_EQ(nextToken(), 46);
    expectName("x");
    EXPECT_EQ(nextToken(), ENDFILE);

    startScan("0.x 1..2");
    expectInteger(0);
    EXPECT_EQ(nextToken(), 46);
    expectName("x");
    expectInteger(1);
    EXPECT_EQ(nextToken(), 46);
    EXPECT_EQ(nextToken(), 46);
    expectInteger(2);
}

TEST(ScannerNumbers, PointBeforeNewlineCountsTheLineOnce)
{
    startScan("7.\nz");
    expectInteger(7);
    EXPECT_EQ(nextToken(), 46);
    EXPECT_EQ(lineNumber, 2);
    expectName("z");
    EXPECT_EQ(lineNumber, 2);
    EXPECT_EQ(nextToken(), ENDFILE);
    EXPECT_EQ(lineNumber, 2);
}

TEST(ScannerNumbers, NumbersEndOnOperators)
{
    startScan("3+0x10-017*2.5;");
    expectInteger(3);
    EXPECT_EQ(nextToken(), 165);
    expectInteger(16);
    EXPECT_EQ(nextToken(), 167);
    expectInteger(15);
    EXPECT_EQ(nextToken(), 164);
    EXPECT_EQ(nextToken(), FCONST);
    EXPECT_EQ(tokenFloatValue, 2.5);
    EXPECT_EQ(nextToken(), 173);
}

TEST(ScannerNumbers, NumberTextHolds43Characters)
{
    // 43 digits: still wraps silently (10^42 mod 2^32).
    EXPECT_EQ(integerOf("1" + std::string(42, '0')), 0);
    EXPECT_EQ(numberTextLength, 43);
    EXPECT_EQ(floatOf("1." + std::string(41, '5')), 0x1.8e38e38e38e39p+0);
    EXPECT_EQ(floatOf("1.5e" + std::string(39, '0')), 1.5);
    EXPECT_EQ(numberTextLength, 43);
}

TEST(ScannerNumbersDeathTest, LongerNumbersAreRefused)
{
    startScan("\n1" + std::string(43, '0'));
    EXPECT_EXIT(nextToken(), testing::ExitedWithCode(2), "^line 2: error: number too long\n$");
    startScan("1." + std::string(42, '5'));
    EXPECT_EXIT(nextToken(), testing::ExitedWithCode(2), "^line 1: error: number too long\n$");
    startScan("1.5e-" + std::string(39, '0'));
    EXPECT_EXIT(nextToken(), testing::ExitedWithCode(2), "^line 1: error: number too long\n$");
}
