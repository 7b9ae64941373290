// A sanitizer report ends the test build with status 99, which no diagnostic
// of the compiler uses, so a report never passes for an expected warning (1),
// error (2) or command-line failure (22): one fault of each kind, in a child
// process with the options the test suite sets.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
static volatile int largest = INT_MAX, four = 4, sink;  // unknown to the optimiser
static char* volatile block;

TEST(SanitizerStatusDeathTest, ReportsEndWithStatus99)
{
    if (std::getenv("QUARN_BUILD_DIR") == nullptr)
        GTEST_SKIP() << "the sanitizer options come from the test suite (tests/run-tests)";
    EXPECT_EXIT({ sink = largest + 1; std::exit(0); }, testing::ExitedWithCode(99), "signed integer overflow");
    EXPECT_EXIT({ block = new char[4]; block[four] = 1; std::exit(0); }, testing::ExitedWithCode(99), "heap-buffer-overflow");
    EXPECT_EXIT({ block = new char[16]; block = nullptr; std::exit(0); }, testing::ExitedWithCode(99), "detected memory leaks");
}
#endif
