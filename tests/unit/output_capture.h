// Test-only support for tests that look at emitted text: the output goes to a
// temporary file that the test reads back, and register bytes still pending
// can be listed by their operand texts.
#pragma once

#include <gtest/gtest.h>

#include <string>

// Points outputFile at a fresh temporary file; false if none could be made.
bool startOutputCapture();

// Flushes what emit still holds and closes the temporary file.
void stopOutputCapture();

// Everything emitted since startOutputCapture, including the text emit keeps
// in its buffer until flushed.
std::string writtenOutput();

// The pending texts of register bytes first .. first + count - 1, separated by
// one blank; each is used in place, so its binding is consumed.
std::string boundTexts(int first, int count);

// Fixture of the tests of emitted code: the output is captured, no register
// byte is pending, the symbol table is fresh, and the temporary stack and the
// label numbers start over. A fixture that sets up more calls this SetUp
// first and this TearDown last.
class CapturedCodeTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};
