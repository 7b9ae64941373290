// The TypeCode that each specifier yields, including the qualifier bits and the
// struct code that generated output never shows whole, and the element size
// that each code gives a declared object.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "decl/decl.h"
#include "driver/driver.h"
#include "lexer/lexer.h"
#include "symbols/symbols.h"

namespace {

FILE* specifierSource;

// Reads the specifier at the start of text, in declaration mode as a
// declaration reads it; the token after it stays in currentToken.
TypeCode specifierOf(const std::string& text)
{
    if (specifierSource != nullptr)
        fclose(specifierSource);
    specifierSource = tmpfile();
    fwrite(text.data(), 1, text.size(), specifierSource);
    rewind(specifierSource);
    sourceFile = specifierSource;
    resetScanner();
    initSymbolTable();
    symbolTable.declarationMode = 1;
    currentToken = nextToken();
    return parseTypeSpecifier();
}

}  // namespace

TEST(TypeSpecifier, BasicTypesAndTheirPointerForms)
{
    EXPECT_EQ(specifierOf("bool b"), 1);
    EXPECT_EQ(specifierOf("char c"), 11);
    EXPECT_EQ(specifierOf("char *p"), 139);
    EXPECT_EQ(specifierOf("int i"), 12);
    EXPECT_EQ(specifierOf("short s"), 12);
    EXPECT_EQ(specifierOf("wchar_t w"), 12);
    EXPECT_EQ(specifierOf("int *p"), 140);
    EXPECT_EQ(specifierOf("short *p"), 140);
    EXPECT_EQ(specifierOf("wchar_t *p"), 140);
    EXPECT_EQ(specifierOf("void v"), 0);
    EXPECT_EQ(specifierOf("void *p"), 128);
    EXPECT_EQ(currentToken, ID);
}

TEST(TypeSpecifier, SignedAndUnsignedSetAndClearTheSignedFlag)
{
    EXPECT_EQ(specifierOf("unsigned char c"), 3);
    EXPECT_EQ(specifierOf("unsigned int i"), 4);
    EXPECT_EQ(specifierOf("unsigned char *p"), 131);
    EXPECT_EQ(specifierOf("signed char c"), 11);
    EXPECT_EQ(specifierOf("signed int i"), 12);
    EXPECT_EQ(specifierOf("unsigned bool b"), 1);
    // The outermost keyword decides.
    EXPECT_EQ(specifierOf("signed unsigned char c"), 11);
    EXPECT_EQ(specifierOf("unsigned signed int i"), 4);
}

TEST(TypeSpecifier, QualifiersAddTheirFlagsAndNest)
{
    EXPECT_EQ(specifierOf("const int k"), 44);
    EXPECT_EQ(specifierOf("volatile char v"), 75);
    EXPECT_EQ(specifierOf("const volatile int k"), 108);
    EXPECT_EQ(specifierOf("volatile const int k"), 108);
    EXPECT_EQ(specifierOf("unsigned const char c"), 35);
    EXPECT_EQ(specifierOf("const unsigned char *p"), 163);
}

TEST(TypeSpecifier, OnlyOneStarDirectlyAfterTheKeyword)
{
    EXPECT_EQ(specifierOf("char **p"), 139);
    EXPECT_EQ(currentToken, STAR);
    EXPECT_EQ(specifierOf("bool *b"), 1);
    EXPECT_EQ(currentToken, STAR);
}

TEST(TypeSpecifier, StructClassAndUnionGiveTheStructCodeToTypeAndTag)
{
    EXPECT_EQ(specifierOf("struct s {} v"), STRUCT_TYPE);
    EXPECT_EQ(currentToken, ID);
    int32_t tag = lookupSymbol("s");
    ASSERT_NE(tag, 0);
    EXPECT_EQ(symbolAt(tag).type, 398);
    EXPECT_EQ(specifierOf("class {} v"), 398);
    EXPECT_EQ(specifierOf("union u {} v"), 398);
    EXPECT_EQ(symbolAt(lookupSymbol("u")).type, 398);
    EXPECT_EQ(specifierOf("const struct t {} v"), 398 | CONST);
}

TEST(TypeSpecifier, EverySpecifierResetsTheElementCount)
{
    elementCount = 10;
    specifierOf("int i");
    EXPECT_EQ(elementCount, 1);
    elementCount = 10;
    specifierOf("struct s {} v");
    EXPECT_EQ(elementCount, 1);
}

TEST(SizeClass, OneTwoOrFourBytesByBaseTypeAndPointer)
{
    EXPECT_EQ(sizeClass(1), 1);
    EXPECT_EQ(sizeClass(3), 1);
    EXPECT_EQ(sizeClass(11), 1);
    EXPECT_EQ(sizeClass(4), 2);
    EXPECT_EQ(sizeClass(12), 2);
    EXPECT_EQ(sizeClass(5), 4);
    EXPECT_EQ(sizeClass(6), 4);
    // Every pointer is two bytes, whatever it points to; so is a struct.
    EXPECT_EQ(sizeClass(128), 2);
    EXPECT_EQ(sizeClass(139), 2);
    EXPECT_EQ(sizeClass(0x85), 2);
    EXPECT_EQ(sizeClass(STRUCT_TYPE), 2);
    // Flags other than the pointer leave the element size alone.
    EXPECT_EQ(sizeClass(ARRAY | 3), 1);
    EXPECT_EQ(sizeClass(FRAME | CONST | VOLATILE | 4), 2);
    // void and the unused base codes have no size.
    EXPECT_EQ(sizeClass(0), 0);
    EXPECT_EQ(sizeClass(2), 0);
    EXPECT_EQ(sizeClass(7), 0);
    EXPECT_EQ(sizeClass(CONST), 0);
}
