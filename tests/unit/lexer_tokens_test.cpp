// The predefined keywords and operators: every row's spelling, code and
// attribute as loaded into the table, and the spellings used in messages.
#include <gtest/gtest.h>

#include "lexer/lexer.h"
#include "symbols/symbols.h"

namespace {

struct ExpectedRow {
    const char* spelling;
    int code;
    int attribute;
};

// Written out with plain numbers, so the named codes are checked as well.
const ExpectedRow expectedRows[] = {
    {"{", 184, 0}, {"}", 228, 0}, {"[", 160, 0}, {"]", 161, 0}, {"(", 162, 0}, {")", 163, 0},
    {";", 173, 0}, {":", 171, 0}, {"...", 219, 0}, {"+", 165, 0}, {"-", 167, 0}, {"*", 164, 0},
    {"/", 217, 0}, {"%", 246, 0}, {"^", 188, 0}, {"&", 185, 0}, {"|", 187, 0}, {"~", 186, 0},
    {"!", 250, 0}, {"=", 172, 0}, {"<", 174, 0}, {">", 178, 0}, {"<<", 158, 0}, {">>", 159, 0},
    {"==", 177, 0}, {"!=", 176, 0}, {"<=", 175, 0}, {">=", 179, 0}, {"&&", 180, 0},
    {"||", 253, 0}, {",", 166, 0}, {"asm", 182, 0}, {"auto", 183, 0}, {"bool", 189, 0},
    {"break", 190, 0}, {"case", 192, 0}, {"catch", 193, 0}, {"char", 194, 3}, {"class", 196, 0},
    {"const", 197, 0}, {"const_cast", 198, 0}, {"continue", 199, 0}, {"default", 215, 0},
    {"delete", 216, 0}, {"do", 218, 0}, {"double", 220, 0}, {"dynamic_cast", 222, 0},
    {"else", 227, 0}, {"enum", 229, 0}, {"explicit", 230, 0}, {"extern", 231, 0},
    {"false", 232, 1}, {"float", 233, 0}, {"for", 234, 0}, {"friend", 235, 0}, {"goto", 237, 0},
    {"if", 238, 0}, {"inline", 240, 0}, {"int", 243, 4}, {"long", 245, 5}, {"mutable", 247, 0},
    {"namespace", 248, 0}, {"new", 249, 0}, {"operator", 252, 0}, {"private", 257, 0},
    {"protected", 260, 0}, {"public", 261, 0}, {"register", 263, 0},
    {"reinterpret_cast", 264, 0}, {"return", 266, 0}, {"short", 267, 4}, {"signed", 268, 0},
    {"sizeof", 270, 0}, {"static", 271, 0}, {"static_cast", 272, 0}, {"struct", 273, 0},
    {"switch", 274, 0}, {"template", 275, 0}, {"this", 277, 0}, {"throw", 278, 0},
    {"true", 280, 1}, {"try", 281, 0}, {"typedef", 282, 0}, {"typeid", 283, 0},
    {"union", 284, 0}, {"unsigned", 286, 0}, {"using", 289, 0}, {"virtual", 291, 0},
    {"void", 292, 0}, {"volatile", 293, 0}, {"wchar_t", 294, 0}, {"while", 295, 0},
    {"_asm", 182, 0}, {"inp", 241, 3}, {"inpw", 242, 4}, {"outp", 255, 0}, {"outpw", 256, 0},
};

}  // namespace

TEST(PredefinedTokens, TableHas97RowsAndAClosingRow)
{
    ASSERT_EQ(sizeof expectedRows / sizeof expectedRows[0], 97u);
    for (int row = 0; row < PREDEFINED_COUNT; ++row) {
        EXPECT_STREQ(predefinedTokens[row].spelling, expectedRows[row].spelling) << row;
        EXPECT_EQ(predefinedTokens[row].code, expectedRows[row].code) << row;
        EXPECT_EQ(predefinedTokens[row].attribute, expectedRows[row].attribute) << row;
    }
    EXPECT_EQ(predefinedTokens[PREDEFINED_COUNT].code, 0);
}

TEST(PredefinedTokens, RowNBecomesEntryNAtDepthZero)
{
    initSymbolTable();
    EXPECT_EQ(symbolTable.scopeTop[0], 97);
    EXPECT_EQ(symbolTable.scopeTop[1], 97);
    EXPECT_EQ(symbolTable.scopeDepth, 1);
    for (int row = 0; row < PREDEFINED_COUNT; ++row) {
        const SymbolEntry& entry = symbolAt(row + 1);
        EXPECT_STREQ(entry.name, expectedRows[row].spelling) << row;
        EXPECT_EQ(entry.token, expectedRows[row].code) << row;
        EXPECT_EQ(entry.type, expectedRows[row].attribute) << row;
        EXPECT_EQ(entry.owner, 0) << row;
        EXPECT_EQ(entry.link, 0) << row;
    }
    EXPECT_EQ(insertSymbol("first", ID), 98);
}

TEST(PredefinedTokens, SpellingsForMessages)
{
    initSymbolTable();
    EXPECT_STREQ(tokenSpelling(182), "_asm");
    EXPECT_STREQ(tokenSpelling(132), "ID");
    EXPECT_STREQ(tokenSpelling(130), "ID");
    EXPECT_STREQ(tokenSpelling(128), "ID");
    EXPECT_STREQ(tokenSpelling(133), "ID");
    EXPECT_STREQ(tokenSpelling(150), "ID");
    EXPECT_STREQ(tokenSpelling(195), "ID");
    EXPECT_STREQ(tokenSpelling(254), "ID");
    EXPECT_STREQ(tokenSpelling('@'), "ID");
    EXPECT_STREQ(tokenSpelling(0), "ID");
    EXPECT_STREQ(tokenSpelling(184), "{");
    EXPECT_STREQ(tokenSpelling(173), ";");
    EXPECT_STREQ(tokenSpelling(219), "...");
    EXPECT_STREQ(tokenSpelling(253), "||");
    EXPECT_STREQ(tokenSpelling(243), "int");
    EXPECT_STREQ(tokenSpelling(256), "outpw");
    EXPECT_STREQ(tokenSpelling(295), "while");
}

TEST(PredefinedTokens, UserNamesDoNotChangeSpellings)
{
    initSymbolTable();
    // A user entry carrying a keyword's code is not predefined.
    insertSymbol("fake", 243);
    EXPECT_STREQ(tokenSpelling(243), "int");
    EXPECT_STREQ(tokenSpelling(ID), "ID");
}
