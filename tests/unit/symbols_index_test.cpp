// The name index behind the lookups must answer exactly as a newest-first
// scan over the live entries does: random sequences of insertions, scope
// openings and closings (down to depth 0 and back) and lookups are checked
// against a plain scan after every step.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "lexer/lexer.h"
#include "symbols/symbols.h"

namespace {

int32_t scanNewest(const char* name, int32_t low, int32_t high)
{
    for (int32_t index = high; index >= low && index >= 1; --index) {
        if (strcmp(symbolAt(index).name, name) == 0)
            return index;
    }
    return 0;
}

int32_t highestTop;  // the highest entry any sequence has reached

struct Answers {
    int32_t all;
    int32_t current;
    int32_t declaration;
};

Answers scanAnswers(const char* name)
{
    int32_t depth = symbolTable.scopeDepth;
    int32_t top = symbolTable.scopeTop[depth];
    int32_t low = depth >= 1 ? symbolTable.scopeTop[depth - 1] + 1 : 1;
    Answers answers;
    answers.all = scanNewest(name, 1, top);
    answers.current = scanNewest(name, low, top);
    answers.declaration = answers.current != 0 ? answers.current : scanNewest(name, 1, symbolTable.scopeTop[0]);
    return answers;
}

void expectSameAnswers(const std::string& name, int step)
{
    Answers expected = scanAnswers(name.c_str());
    ASSERT_EQ(lookupSymbol(name.c_str()), expected.all) << name << " at step " << step;
    ASSERT_EQ(lookupInCurrentScope(name.c_str()), expected.current) << name << " at step " << step;
    ASSERT_EQ(lookupForDeclaration(name.c_str()), expected.declaration) << name << " at step " << step;
}

std::vector<std::string> probeNames;  // names[0..15] recur often

void makeProbeNames(std::mt19937& random)
{
    // A few names that recur often (keywords and operators among them), and
    // many that seldom do, so that buckets hold both repeats and strangers.
    probeNames = {"x", "y", "i", "main", "f", "int", "char", "while", "true",
                  "<=", "{", "_asm", "asm", "count", "X", "xx"};
    for (int k = 0; k < 3000; ++k)
        probeNames.push_back("n" + std::to_string(random() % 5000));
}

// Runs steps random operations on the table as it stands: insertPercent of
// them insert a name (while there is room), openPercent open a scope (up to
// depth 6), the rest close one (down to depth 0).
void runRandomSteps(std::mt19937& random, int steps, int insertPercent, int openPercent)
{
    const std::vector<std::string>& names = probeNames;
    for (int step = 0; step < steps; ++step) {
        int32_t depth = symbolTable.scopeDepth;
        int32_t top = symbolTable.scopeTop[depth];
        if (top > highestTop)
            highestTop = top;
        int choice = static_cast<int>(random() % 100);
        if (choice < insertPercent) {
            if (top < SYMBOL_TABLE_SIZE - 1) {
                bool recurring = random() % 2 == 0;
                const std::string& name = recurring ? names[random() % 16] : names[random() % names.size()];
                insertSymbol(name.c_str(), ID);
            }
        } else if (choice < insertPercent + openPercent) {
            if (depth < 6) {
                symbolTable.scopeDepth += 1;
                symbolTable.scopeTop[depth + 1] = top;
            }
        } else if (depth > 0) {
            symbolTable.scopeTop[depth] = 0;
            symbolTable.scopeDepth -= 1;
        }
        for (int probe = 0; probe < 8; ++probe)
            expectSameAnswers(names[random() % names.size()], step);
        for (size_t probe = 0; probe < 16; ++probe)
            expectSameAnswers(names[probe], step);
        if (testing::Test::HasFatalFailure())
            return;
    }
}

}  // namespace

TEST(SymbolIndex, AnswersAsTheScanDoesOnRandomSequences)
{
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        std::mt19937 random(seed);
        makeProbeNames(random);
        initSymbolTable();
        runRandomSteps(random, 3000, 55, 25);
        ASSERT_FALSE(testing::Test::HasFatalFailure()) << "seed " << seed;
    }
}

TEST(SymbolIndex, AnswersAsTheScanDoesWhenTheTableFillsAndEmpties)
{
    std::mt19937 random(99);
    makeProbeNames(random);
    initSymbolTable();
    highestTop = 0;
    runRandomSteps(random, 4500, 95, 5);
    ASSERT_FALSE(testing::Test::HasFatalFailure());
    EXPECT_EQ(highestTop, SYMBOL_TABLE_SIZE - 1);
    runRandomSteps(random, 1500, 30, 10);
    ASSERT_FALSE(testing::Test::HasFatalFailure());
    EXPECT_LT(symbolTable.scopeTop[symbolTable.scopeDepth], 1000);
}

TEST(SymbolIndex, KeywordsAtDepthZeroAndAfterReinit)
{
    initSymbolTable();
    insertSymbol("int", ID);  // a file-level name spelled like a keyword
    EXPECT_EQ(lookupSymbol("int"), 98);
    EXPECT_EQ(lookupForDeclaration("int"), 98);
    symbolTable.scopeTop[1] = 0;
    symbolTable.scopeDepth = 0;
    EXPECT_EQ(lookupSymbol("int"), 59);
    EXPECT_EQ(lookupInCurrentScope("int"), 59);
    EXPECT_EQ(lookupInCurrentScope("<<"), 23);
    EXPECT_EQ(lookupForDeclaration("int"), 59);
    // Reinitialising forgets every earlier name.
    initSymbolTable();
    EXPECT_EQ(lookupSymbol("int"), 59);
    EXPECT_EQ(insertSymbol("fresh", ID), 98);
    EXPECT_EQ(lookupSymbol("fresh"), 98);
}
