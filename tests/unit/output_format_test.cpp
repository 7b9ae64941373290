// The formatter behind emit and formatText against the C library's snprintf,
// which defines what the five conversions the templates use (%s, %d, %c,
// %02X, %04X) and %% must write: number edges, texts and literal runs of
// every length around the 8- and 16-byte steps the formatter copies in,
// templates beyond the number it keeps split, and the cut of formatText.
#include <gtest/gtest.h>

#include <climits>
#include <cstdarg>
#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "output/output.h"
#include "output_capture.h"

namespace {

// The formatter keys its splits by a template's address, as templates are
// string literals; the templates made here live as long as the test program.
const char* keep(const std::string& text)
{
    static std::deque<std::string> kept;
    kept.push_back(text);
    return kept.back().c_str();
}

std::string printed(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string printed(const char* format, ...)
{
    char text[8192];
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return text;
}

std::string formatted(const char* format, int value)
{
    char text[64];
    formatText(text, sizeof text, format, value);
    return text;
}

std::vector<int> numberEdges()
{
    std::vector<int> values = {0, INT_MIN, INT_MIN + 1, INT_MAX, INT_MAX - 1};
    for (long long power = 1; power <= 1000000000LL; power *= 10) {
        for (long long near : {power - 1, power, power + 1}) {
            values.push_back(static_cast<int>(near));
            values.push_back(static_cast<int>(-near));
        }
    }
    for (int value = -20000; value <= 20000; value += 7)
        values.push_back(value);
    return values;
}

TEST(OutputFormat, DecimalsAsSnprintfWritesThem)
{
    for (int value : numberEdges()) {
        EXPECT_EQ(formatted("%d", value), printed("%d", value)) << value;
        EXPECT_EQ(formatted("#>%d,X", value), printed("#>%d,X", value)) << value;
    }
}

TEST(OutputFormat, HexadecimalsPaddedToTheirWidth)
{
    std::vector<unsigned> values = {0xFFFFFFFFu, 0x80000000u, 0x12345678u, 0x10000u, 0xFFFFu};
    for (unsigned value = 0; value < 0x11000; value += 13)
        values.push_back(value);
    for (unsigned value : values) {
        EXPECT_EQ(formatted("$%02X", static_cast<int>(value)), printed("$%02X", value)) << value;
        EXPECT_EQ(formatted("$%04X", static_cast<int>(value)), printed("$%04X", value)) << value;
    }
}

// emit writes literal runs as whole 16-byte blocks into its buffer and texts
// in steps of 8 bytes: nothing past the formatted text may stay in the output
// when the next template follows.
TEST(OutputFormat, RunsAndTextsOfEveryLengthEmitExactly)
{
    ASSERT_TRUE(startOutputCapture());
    std::string expected;
    for (size_t run = 0; run <= 70; run++) {
        std::string literal(run, static_cast<char>('a' + run % 26));
        const char* format = keep(literal + "<%s>%c%d%%" + literal + "\n");
        for (size_t length : {0, 1, 2, 3, 7, 8, 9, 15, 16, 17, 31, 33, 64, 200, 255}) {
            std::string text(length, 'T');
            if (length > 0)
                text[length - 1] = 'E';
            emit(format, text.c_str(), 'c', static_cast<int>(length));
            expected += printed(format, text.c_str(), 'c', static_cast<int>(length));
        }
    }
    EXPECT_EQ(writtenOutput(), expected);
    stopOutputCapture();
}

// More templates than the formatter keeps split at once: it starts over, and
// templates split before then still come out right.
TEST(OutputFormat, ManyTemplatesStillFormatRight)
{
    ASSERT_TRUE(startOutputCapture());
    std::vector<const char*> formats;
    for (int k = 0; k < 3000; k++)
        formats.push_back(keep(std::string(40 + k % 30, 'L') + " %d %s " + std::to_string(k) + "\n"));
    std::string expected;
    for (int pass = 0; pass < 2; pass++) {
        for (size_t k = 0; k < formats.size(); k += pass == 0 ? 1 : 97) {
            emit(formats[k], static_cast<int>(k), "TEXT");
            expected += printed(formats[k], static_cast<int>(k), "TEXT");
        }
    }
    EXPECT_EQ(writtenOutput(), expected);
    stopOutputCapture();
}

TEST(OutputFormat, FormatTextCutsLikeSnprintf)
{
    char text[6];
    formatText(text, sizeof text, "%s+%d", "ABCDEFGH", 12);
    EXPECT_STREQ(text, "ABCDE");
    formatText(text, sizeof text, "R%02XH", 0x2A);
    EXPECT_STREQ(text, "R2AH");
}

}  // namespace
