// The three lookups answer exactly as a scan from the newest live entry down
// would, whatever index the table keeps: random insertions (a few names
// recurring, keywords among them) and scope openings fill the table to its
// last entry (seed 11 does), then closings take it to depth 0 and back.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "lexer/lexer.h"
#include "symbols/symbols.h"

static int32_t scan(const std::string& name, int32_t low, int32_t high)
{
    for (int32_t index = high; index >= std::max(low, 1); --index) {
        if (name == symbolAt(index).name)
            return index;
    }
    return 0;
}

TEST(SymbolIndex, LookupsAnswerAsTheNewestFirstScan)
{
    const char* recurring[] = {"x", "i", "main", "int", "while", "<=", "_asm", "X"};
    std::mt19937 random(11);
    initSymbolTable();
    for (int step = 0; step < 8000; ++step) {
        int32_t depth = symbolTable.scopeDepth, top = symbolTable.scopeTop[depth];
        int choice = static_cast<int>(random() % 100), inserts = step < 5000 ? 98 : 30, opens = step < 5000 ? 2 : 20;
        std::string name = random() % 2 ? recurring[random() % 8] : std::string("n").append(std::to_string(random() % 3000));
        if (choice < inserts && top < SYMBOL_TABLE_SIZE - 1)
            insertSymbol(name.c_str(), ID);
        else if (choice < inserts + opens && depth < 6)
            symbolTable.scopeTop[++symbolTable.scopeDepth] = top;
        else if (choice >= inserts + opens && depth > 0)
            symbolTable.scopeTop[symbolTable.scopeDepth--] = 0;
        depth = symbolTable.scopeDepth;
        top = symbolTable.scopeTop[depth];
        for (const std::string& probe : {name, std::string(recurring[step % 8])}) {
            int32_t current = scan(probe, depth >= 1 ? symbolTable.scopeTop[depth - 1] + 1 : 1, top);
            int32_t keyword = scan(probe, 1, symbolTable.scopeTop[0]);
            ASSERT_EQ(lookupSymbol(probe.c_str()), scan(probe, 1, top)) << probe << " at step " << step;
            ASSERT_EQ(lookupInCurrentScope(probe.c_str()), current) << probe << " at step " << step;
            ASSERT_EQ(lookupForDeclaration(probe.c_str()), current ? current : keyword) << probe << " at step " << step;
        }
    }
}
