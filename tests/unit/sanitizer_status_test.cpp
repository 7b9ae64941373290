// A sanitizer report in the test build ends the process with status 99, which
// no diagnostic of the compiler uses: a report can never pass for an expected
// warning (1), error (2) or command-line failure (22). Each case commits one
// deliberate fault in a child process, with the build's own sanitizer flags
// and the test suite's options.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)

namespace {

constexpr int SANITIZER_STATUS = 99;

// Volatile, so that the compiler cannot see the values and drop the faults.
volatile int sink;
volatile int largest = INT_MAX;
volatile int four = 4;
volatile int thirtyTwo = 32;
volatile double huge = 1e300;
char smallArray[4];
char* volatile lastBlock;

// The statuses are the suite's: the unit tests run through lit, which sets
// the sanitizer options (and QUARN_BUILD_DIR) for every test.
void requireSuiteOptions()
{
    if (std::getenv("QUARN_BUILD_DIR") == nullptr)
        GTEST_SKIP() << "run through tests/run-tests, which sets the sanitizer options";
}

}  // namespace

TEST(SanitizerStatusDeathTest, UndefinedBehaviourStopsWithStatus99)
{
    requireSuiteOptions();
    // Without -fno-sanitize-recover and halt_on_error the child would print
    // the report, carry on and exit with 0.
    EXPECT_EXIT((sink = largest + 1, std::exit(0)), testing::ExitedWithCode(SANITIZER_STATUS),
                "runtime error: signed integer overflow");
    EXPECT_EXIT((sink = 1 << thirtyTwo, std::exit(0)), testing::ExitedWithCode(SANITIZER_STATUS),
                "runtime error: shift exponent 32 is too large");
    EXPECT_EXIT((sink = smallArray[four], std::exit(0)), testing::ExitedWithCode(SANITIZER_STATUS),
                "runtime error: index 4 out of bounds");
    EXPECT_EXIT((sink = static_cast<int>(huge), std::exit(0)), testing::ExitedWithCode(SANITIZER_STATUS),
                "runtime error: 1e\\+300 is outside the range of representable values");
}

TEST(SanitizerStatusDeathTest, AddressFaultsStopWithStatus99)
{
    requireSuiteOptions();
    EXPECT_EXIT(
        {
            char* block = new char[4];
            block[four] = 1;
            delete[] block;
            std::exit(0);
        },
        testing::ExitedWithCode(SANITIZER_STATUS), "heap-buffer-overflow");
    EXPECT_EXIT(
        {
            char* block = new char[4];
            delete[] block;
            sink = block[0];
            std::exit(0);
        },
        testing::ExitedWithCode(SANITIZER_STATUS), "heap-use-after-free");
}

TEST(SanitizerStatusDeathTest, LeaksStopWithStatus99)
{
    requireSuiteOptions();
    EXPECT_EXIT(
        {
            lastBlock = new char[16];
            lastBlock = nullptr;
            std::exit(0);
        },
        testing::ExitedWithCode(SANITIZER_STATUS), "detected memory leaks");
}

#endif
