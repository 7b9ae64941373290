// Scoped and assembler names of symbols, their length limit, and the frozen
// parameter-type arrays of functions.
#include <gtest/gtest.h>

#include <string>

#include "decl/decl.h"
#include "lexer/lexer.h"
#include "symbol_scopes.h"
#include "symbols/symbols.h"

TEST(SymbolNames, FileLevelNamesAreUpperCased)
{
    initSymbolTable();
    int32_t main = insertSymbol("main", ID);
    int32_t mixed = insertSymbol("Big_value2", ID);
    EXPECT_STREQ(scopedName(main), "main");
    EXPECT_STREQ(assemblerName(main), "MAIN");
    EXPECT_STREQ(assemblerName(mixed), "BIG_VALUE2");
}

TEST(SymbolNames, LocalsCarryTheirFunctionsName)
{
    initSymbolTable();
    int32_t main = insertSymbol("main", ID);
    openScope();
    int32_t i = insertSymbol("i", ID);
    int32_t count = insertSymbol("count", ID);
    EXPECT_EQ(symbolAt(count).owner, main);
    EXPECT_STREQ(scopedName(count), "count@main");
    EXPECT_STREQ(assemblerName(count), "COUNTZMAIN");
    EXPECT_STREQ(assemblerName(i), "IZMAIN");
    closeScope();
    int32_t fileCount = insertSymbol("count", ID);
    EXPECT_STREQ(assemblerName(fileCount), "COUNT");
}

TEST(SymbolNames, OwnersAreFollowedOutward)
{
    initSymbolTable();
    insertSymbol("outer", ID);
    openScope();
    insertSymbol("middle", ID);
    openScope();
    int32_t inner = insertSymbol("inner", ID);
    EXPECT_STREQ(scopedName(inner), "inner@middle@outer");
    EXPECT_STREQ(assemblerName(inner), "INNERZMIDDLEZOUTER");
}

TEST(SymbolNames, AssemblerNameOverwritesTheScopedNameBuffer)
{
    initSymbolTable();
    int32_t f = insertSymbol("f", ID);
    openScope();
    int32_t a = insertSymbol("a", ID);
    const char* scoped = scopedName(f);
    EXPECT_STREQ(scoped, "f");
    const char* upper = assemblerName(a);
    EXPECT_STREQ(scoped, "a@f");
    EXPECT_STREQ(upper, "AZF");
    EXPECT_STREQ(scopedName(f), "f");
    EXPECT_STREQ(upper, "AZF");
}

TEST(SymbolNames, ScopedNameOf255CharactersFits)
{
    initSymbolTable();
    int32_t wide = insertSymbol(std::string(255, 'w').c_str(), ID);
    EXPECT_EQ(std::string(assemblerName(wide)), std::string(255, 'W'));
    insertSymbol(std::string(54, 'f').c_str(), ID);
    openScope();
    int32_t local = insertSymbol(std::string(200, 'l').c_str(), ID);
    EXPECT_EQ(std::string(scopedName(local)), std::string(200, 'l') + "@" + std::string(54, 'f'));
    EXPECT_EQ(std::string(assemblerName(local)), std::string(200, 'L') + "Z" + std::string(54, 'F'));
}

TEST(SymbolNamesDeathTest, LongerScopedNameIsRefused)
{
    initSymbolTable();
    insertSymbol(std::string(55, 'f').c_str(), ID);
    openScope();
    int32_t local = insertSymbol(std::string(200, 'l').c_str(), ID);
    lineNumber = 9;
    EXPECT_EXIT(scopedName(local), testing::ExitedWithCode(2), "^line 9: error: name too long\n$");
    EXPECT_EXIT(assemblerName(local), testing::ExitedWithCode(2), "^line 9: error: name too long\n$");
}

TEST(ParameterTypes, ChainBecomesAZeroTerminatedArray)
{
    initSymbolTable();
    int32_t f = insertSymbol("f", ID);
    symbolAt(f).type = FUNCTION | 4;
    openScope();
    int32_t a = insertSymbol("a", ID);
    int32_t b = insertSymbol("b", ID);
    symbolAt(a).type = 4 | FRAME;
    symbolAt(b).type = 3 | FRAME;
    symbolAt(f).link = a;
    symbolAt(a).link = b;
    ASSERT_EQ(freezeParameterTypes(f), 1);
    const int32_t* types = symbolAt(f).parameterTypes;
    ASSERT_NE(types, nullptr);
    EXPECT_EQ(types[0], 4 | FRAME);
    EXPECT_EQ(types[1], 3 | FRAME);
    EXPECT_EQ(types[2], 0);
    EXPECT_EQ(symbolAt(f).link, 0);
    // The array outlives the scope whose slots held the parameters.
    closeScope();
    insertSymbol("g", ID);
    insertSymbol("h", ID);
    EXPECT_EQ(types[0], 4 | FRAME);
    EXPECT_EQ(types[1], 3 | FRAME);
}

TEST(ParameterTypes, FunctionWithoutParametersGetsASingleZero)
{
    initSymbolTable();
    int32_t f = insertSymbol("f", ID);
    symbolAt(f).type = FUNCTION;
    ASSERT_EQ(freezeParameterTypes(f), 1);
    ASSERT_NE(symbolAt(f).parameterTypes, nullptr);
    EXPECT_EQ(symbolAt(f).parameterTypes[0], 0);
}

TEST(ParameterTypes, OnlyDeclaredFunctionsAreFrozen)
{
    initSymbolTable();
    int32_t undeclared = insertSymbol("u", ID);
    int32_t variable = insertSymbol("v", ID);
    symbolAt(variable).type = 4;
    EXPECT_EQ(freezeParameterTypes(undeclared), 0);
    EXPECT_EQ(freezeParameterTypes(variable), 0);
    EXPECT_EQ(symbolAt(variable).parameterTypes, nullptr);
}

TEST(ParameterTypes, ReusedSlotStartsWithoutAnArray)
{
    initSymbolTable();
    insertSymbol("outer", ID);
    openScope();
    int32_t inner = insertSymbol("inner", ID);
    symbolAt(inner).type = FUNCTION;
    ASSERT_EQ(freezeParameterTypes(inner), 1);
    closeScope();
    int32_t next = insertSymbol("next", ID);
    ASSERT_EQ(next, inner);
    EXPECT_EQ(symbolAt(next).parameterTypes, nullptr);
}
