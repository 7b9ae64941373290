// The operand texts of a variable are built at its first use and used again
// after; they must follow the symbol, never the slot it sits in: a slot taken
// by another local, the same spelling in another function, a table started
// afresh with names at the same places, a changed type.
#include <gtest/gtest.h>

#include <string>

#include "decl/decl.h"
#include "expr/expr.h"
#include "output/output.h"
#include "output_capture.h"
#include "symbol_scopes.h"
#include "symbols/symbols.h"

namespace {

class KeptTexts : public CapturedCodeTest {
protected:
    // The texts bound by one use of symbol, low byte first.
    std::string use(int32_t symbol, int count)
    {
        tempCounter = FIRST_TEMP;
        compileIdentifier(symbol, nullptr);
        std::string texts = boundTexts(FIRST_TEMP, count);
        tempCounter = FIRST_TEMP;
        return texts;
    }
    int32_t declare(const char* name, TypeCode type)
    {
        int32_t symbol = insertSymbol(name, ID);
        symbolAt(symbol).type = type;
        return symbol;
    }
};

}  // namespace

TEST_F(KeptTexts, ALaterUseBindsTheSameTexts)
{
    int32_t total = declare("total", 4);
    EXPECT_EQ(use(total, 2), "TOTAL TOTAL+1");
    EXPECT_EQ(use(total, 2), "TOTAL TOTAL+1");
    int32_t f = declare("f", FUNCTION | 4);
    (void)f;
    openScope();
    int32_t count = declare("count", FRAME | SIGNED | 4);
    EXPECT_EQ(use(count, 2), "$0100+COUNTZF,X $0101+COUNTZF,X");
    EXPECT_EQ(use(count, 2), "$0100+COUNTZF,X $0101+COUNTZF,X");
}

TEST_F(KeptTexts, ASlotTakenByAnotherLocalGetsItsOwnTexts)
{
    declare("f", FUNCTION | 4);
    openScope();
    int32_t first = declare("a", FRAME | 4);
    EXPECT_EQ(use(first, 2), "$0100+AZF,X $0101+AZF,X");
    closeScope();
    openScope();
    int32_t second = declare("b", FRAME | 3);
    ASSERT_EQ(second, first);
    EXPECT_EQ(use(second, 1), "$0100+BZF,X");
    closeScope();
    declare("g", FUNCTION | 4);
    openScope();
    int32_t third = declare("a", FRAME | 4);
    EXPECT_EQ(use(third, 2), "$0100+AZG,X $0101+AZG,X");
}

TEST_F(KeptTexts, ATableStartedAfreshIsNotTakenForTheOldOne)
{
    declare("f", FUNCTION | 4);
    openScope();
    int32_t old = declare("xy", FRAME | 4);
    EXPECT_EQ(use(old, 2), "$0100+XYZF,X $0101+XYZF,X");
    // The same lengths of names put the new ones at the same places of the
    // name store and in the same slots.
    initSymbolTable();
    declare("g", FUNCTION | 4);
    openScope();
    int32_t fresh = declare("uv", FRAME | 4);
    ASSERT_EQ(fresh, old);
    ASSERT_EQ(symbolAt(fresh).name, symbolAt(old).name);
    EXPECT_EQ(use(fresh, 2), "$0100+UVZG,X $0101+UVZG,X");
}

TEST_F(KeptTexts, AChangedTypeBindsTheTextsOfTheNewType)
{
    int32_t value = declare("value", 4);
    EXPECT_EQ(use(value, 2), "VALUE VALUE+1");
    symbolAt(value).type = 5;
    EXPECT_EQ(use(value, 4), "VALUE VALUE+1 VALUE+2 VALUE+3");
    symbolAt(value).type = FRAME | 3;
    EXPECT_EQ(use(value, 1), "$0100+VALUE,X");
}

// Arrays, calls and stores take the assembler name from the same kept texts:
// the name must be the new symbol's once its slot is taken by another.
TEST_F(KeptTexts, AnArrayInATakenSlotIsNamedAfterTheNewSymbol)
{
    declare("f", FUNCTION | 4);
    openScope();
    int32_t first = declare("tab", FRAME | ARRAY | 4);
    size_t before = writtenOutput().size();
    use(first, 0);
    EXPECT_NE(writtenOutput().find(" ADC #>TABZF\n", before), std::string::npos);
    closeScope();
    openScope();
    int32_t second = declare("row", FRAME | ARRAY | 4);
    ASSERT_EQ(second, first);
    before = writtenOutput().size();
    use(second, 0);
    std::string text = writtenOutput().substr(before);
    EXPECT_NE(text.find(" ADC #>ROWZF\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("TABZF"), std::string::npos) << text;
}
