// The symbol table: its start-up state, what an insertion fills in, the
// lookups across scopes, reuse of closed slots, and the two capacity limits.
#include <gtest/gtest.h>

#include <string>

#include "lexer/lexer.h"
#include "symbol_scopes.h"
#include "symbols/symbols.h"

TEST(SymbolTable, StartUpState)
{
    initSymbolTable();
    EXPECT_EQ(symbolTable.scopeTop[0], 97);
    EXPECT_EQ(symbolTable.scopeTop[1], 97);
    EXPECT_EQ(symbolTable.scopeDepth, 1);
    EXPECT_EQ(symbolTable.declarationMode, 1);
    // The 97 spellings (422 characters) and their NULs, less one.
    EXPECT_EQ(symbolTable.lexemeUsed, 518);
    EXPECT_EQ(symbolAt(1).name, &symbolTable.lexemeStore[0]);
}

TEST(SymbolTable, InsertionFillsTheEntryAndTheStore)
{
    initSymbolTable();
    int32_t used = symbolTable.lexemeUsed;
    int32_t index = insertSymbol("main", ID);
    EXPECT_EQ(index, 98);
    EXPECT_EQ(symbolTable.scopeTop[1], 98);
    const SymbolEntry& entry = symbolAt(index);
    EXPECT_STREQ(entry.name, "main");
    EXPECT_EQ(entry.name, &symbolTable.lexemeStore[used + 1]);
    EXPECT_EQ(entry.token, ID);
    EXPECT_EQ(entry.type, 0);
    EXPECT_EQ(entry.link, 0);
    EXPECT_EQ(entry.owner, 0);
    EXPECT_EQ(symbolTable.lexemeUsed, used + 5);

    // At depth 2 the owner is the newest entry of the enclosing scope.
    insertSymbol("g", ID);
    openScope();
    int32_t local = insertSymbol("i", ID);
    EXPECT_EQ(local, 100);
    EXPECT_EQ(symbolAt(local).owner, 99);
    EXPECT_EQ(symbolTable.scopeTop[2], 100);
    EXPECT_EQ(symbolTable.scopeTop[1], 99);
}

TEST(SymbolTable, InnerDeclarationHidesOuterUntilItsScopeCloses)
{
    initSymbolTable();
    int32_t fileX = insertSymbol("x", ID);
    int32_t function = insertSymbol("f", ID);
    openScope();
    int32_t parameterX = insertSymbol("x", ID);
    EXPECT_EQ(lookupSymbol("x"), parameterX);
    EXPECT_EQ(lookupSymbol("f"), function);
    EXPECT_EQ(lookupSymbol("int"), 59);
    EXPECT_EQ(lookupSymbol("nothing"), 0);
    closeScope();
    EXPECT_EQ(lookupSymbol("x"), fileX);
}

TEST(SymbolTable, CurrentScopeLookupSeesOnlyTheCurrentScope)
{
    initSymbolTable();
    int32_t fileX = insertSymbol("x", ID);
    EXPECT_EQ(lookupInCurrentScope("x"), fileX);
    EXPECT_EQ(lookupInCurrentScope("int"), 0);
    openScope();
    EXPECT_EQ(lookupInCurrentScope("x"), 0);
    int32_t local = insertSymbol("y", ID);
    EXPECT_EQ(lookupInCurrentScope("y"), local);
}

TEST(SymbolTable, DeclarationLookupSkipsFileScopeButFindsKeywords)
{
    initSymbolTable();
    insertSymbol("x", ID);
    EXPECT_EQ(lookupForDeclaration("x"), 98);
    EXPECT_EQ(lookupForDeclaration("char"), 38);
    openScope();
    EXPECT_EQ(lookupForDeclaration("x"), 0);
    EXPECT_EQ(lookupForDeclaration("char"), 38);
    EXPECT_EQ(lookupForDeclaration("while"), 92);
    int32_t local = insertSymbol("x", ID);
    EXPECT_EQ(lookupForDeclaration("x"), local);
}

TEST(SymbolTable, DuplicateNamesInOneScopeFindTheNewest)
{
    initSymbolTable();
    insertSymbol("d", ID);
    int32_t second = insertSymbol("d", ID);
    EXPECT_EQ(lookupSymbol("d"), second);
    EXPECT_EQ(lookupInCurrentScope("d"), second);
}

TEST(SymbolTable, ReusedSlotKeepsTheOldValuesButNotTheOldName)
{
    initSymbolTable();
    insertSymbol("f", ID);
    openScope();
    int32_t old = insertSymbol("local", ID);
    symbolAt(old).type = 4;
    symbolAt(old).link = 7;
    symbolAt(old).address = 0xFFFE;
    symbolAt(old).intValue = 42;
    symbolAt(old).floatValue = 2.5;
    closeScope();
    EXPECT_EQ(lookupSymbol("local"), 0);

    int32_t reused = insertSymbol("next", ID);
    EXPECT_EQ(reused, old);
    EXPECT_STREQ(symbolAt(reused).name, "next");
    EXPECT_EQ(symbolAt(reused).type, 0);
    EXPECT_EQ(symbolAt(reused).link, 0);
    EXPECT_EQ(symbolAt(reused).owner, 0);
    EXPECT_EQ(symbolAt(reused).address, 0xFFFEu);
    EXPECT_EQ(symbolAt(reused).intValue, 42);
    EXPECT_EQ(symbolAt(reused).floatValue, 2.5);
    EXPECT_EQ(lookupSymbol("local"), 0);
    EXPECT_EQ(lookupSymbol("next"), reused);
}

TEST(SymbolTable, InitClearsValuesOfEverySlot)
{
    initSymbolTable();
    int32_t index = insertSymbol("v", ID);
    symbolAt(index).address = 0x1234;
    symbolAt(index).intValue = 9;
    symbolAt(index).floatValue = 1.5;
    initSymbolTable();
    EXPECT_EQ(insertSymbol("w", ID), index);
    EXPECT_EQ(symbolAt(index).address, 0u);
    EXPECT_EQ(symbolAt(index).intValue, 0);
    EXPECT_EQ(symbolAt(index).floatValue, 0.0);
    EXPECT_EQ(lookupSymbol("v"), 0);
}

TEST(SymbolTable, ClosedScopesDoNotGiveBackNameStorage)
{
    initSymbolTable();
    insertSymbol("f", ID);
    openScope();
    insertSymbol("abc", ID);
    int32_t used = symbolTable.lexemeUsed;
    closeScope();
    insertSymbol("z", ID);
    EXPECT_EQ(symbolTable.lexemeUsed, used + 2);
}

TEST(SymbolTable, Entry4095IsTheLast)
{
    initSymbolTable();
    for (int32_t expected = 98; expected <= 4095; ++expected)
        ASSERT_EQ(insertSymbol("n", ID), expected);
    EXPECT_EQ(lookupSymbol("n"), 4095);
}

TEST(SymbolTableDeathTest, Entry4096IsRefused)
{
    initSymbolTable();
    for (int32_t expected = 98; expected <= 4095; ++expected)
        ASSERT_EQ(insertSymbol("n", ID), expected);
    lineNumber = 12;
    EXPECT_EXIT(insertSymbol("m", ID), testing::ExitedWithCode(2), "^line 12: symbol table full\n$");
}

// Fills the store with 255-character names at depth 2, closing the scope
// now and then so that entries stay free, then adds one name that ends the
// store's used part exactly at lastByte.
static void fillStoreTo(int32_t lastByte)
{
    initSymbolTable();
    insertSymbol("f", ID);
    openScope();
    std::string name(255, 'q');
    while (symbolTable.lexemeUsed + 256 <= lastByte) {
        if (symbolTable.scopeTop[2] == SYMBOL_TABLE_SIZE - 1) {
            closeScope();
            openScope();
        }
        insertSymbol(name.c_str(), ID);
    }
    int32_t rest = lastByte - symbolTable.lexemeUsed - 1;  // characters of the last name
    ASSERT_GE(rest, 0);
    insertSymbol(std::string(static_cast<size_t>(rest), 'r').c_str(), ID);
    ASSERT_EQ(symbolTable.lexemeUsed, lastByte);
}

TEST(SymbolTable, NameEndingOnTheLastByteOfTheStoreFits)
{
    fillStoreTo(LEXEME_STORE_SIZE - 1);
    EXPECT_EQ(symbolTable.lexemeStore[LEXEME_STORE_SIZE - 1], '\0');
}

TEST(SymbolTableDeathTest, StoreBoundIsExact)
{
    // Two bytes left: a one-character name fits, a two-character one not.
    fillStoreTo(LEXEME_STORE_SIZE - 3);
    lineNumber = 4;
    EXPECT_EXIT(insertSymbol("ab", ID), testing::ExitedWithCode(2), "^line 4: lexemes array full\n$");
    insertSymbol("a", ID);
    EXPECT_EQ(symbolTable.lexemeUsed, LEXEME_STORE_SIZE - 1);
    // Even the empty name needs its NUL.
    EXPECT_EXIT(insertSymbol("", ID), testing::ExitedWithCode(2), "^line 4: lexemes array full\n$");
}
