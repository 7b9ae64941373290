// The 97 predefined entries get a type only where a word names one (char 3,
// int and short 4, long 5, true and false 1) or reads a port (inp 3, inpw 4);
// every other keyword and operator starts with type 0. Nothing the compiler
// writes shows these types for most rows, so the table is checked here.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "symbols/symbols.h"

TEST(PredefinedTable, OnlyTypeWordsAndPortReadsCarryAType)
{
    const std::map<std::string, int> typed = {{"char", BASE_CHAR}, {"int", BASE_INT}, {"short", BASE_INT},
        {"long", BASE_LONG}, {"true", BASE_BOOL}, {"false", BASE_BOOL}, {"inp", BASE_CHAR}, {"inpw", BASE_INT}};
    initSymbolTable();
    ASSERT_EQ(symbolTable.scopeTop[0], 97);
    for (int32_t k = 1; k <= 97; ++k) {
        auto found = typed.find(symbolAt(k).name);
        EXPECT_EQ(static_cast<int>(symbolAt(k).type), found == typed.end() ? 0 : found->second) << symbolAt(k).name;
    }
}
