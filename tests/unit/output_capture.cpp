// Capture of emitted text for the unit tests (see output_capture.h).
#include "output_capture.h"

#include <cstdio>

#include "expr/expr.h"
#include "output/output.h"
#include "stmt/stmt.h"
#include "symbols/symbols.h"

void CapturedCodeTest::SetUp()
{
    ASSERT_TRUE(startOutputCapture());
    flushRegisters(32);
    initSymbolTable();
    tempCounter = FIRST_TEMP;
    labelCounter = 1;
}

void CapturedCodeTest::TearDown()
{
    flushRegisters(32);
    stopOutputCapture();
}

bool startOutputCapture()
{
    outputFile = tmpfile();
    return outputFile != nullptr;
}

void stopOutputCapture()
{
    if (outputFile == nullptr)
        return;
    flushOutput();
    fclose(outputFile);
    outputFile = nullptr;
}

std::string writtenOutput()
{
    flushOutput();
    fflush(outputFile);
    long end = ftell(outputFile);
    std::string text(static_cast<size_t>(end), '\0');
    rewind(outputFile);
    size_t got = fread(text.data(), 1, text.size(), outputFile);
    text.resize(got);
    fseek(outputFile, 0, SEEK_END);
    return text;
}

std::string boundTexts(int first, int count)
{
    std::string texts;
    for (int k = 0; k < count; k++) {
        if (k > 0)
            texts += ' ';
        texts += byteOperand(first + k, true);
    }
    return texts;
}
