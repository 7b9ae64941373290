// Diagnostics and token matching: the three severities of line-numbered
// messages, the level that becomes the exit status, and match, the one step
// that consumes a token and reads the next lookahead.
#include <cstdio>
#include <cstdlib>

#include "driver/driver.h"
#include "output/output.h"

int32_t errorLevel = 0;
TokenCode currentToken;

// Ends the process through the normal exit so that the output file keeps
// everything written so far (it gets no trailer).
void fatalError(const char* message)
{
    fprintf(stderr, "line %d: %s\n", lineNumber, message);
    flushOutput();
    exit(2);
}

void reportError(const char* message)
{
    fprintf(stderr, "line %d: %s\n", lineNumber, message);
    errorLevel = 2;
}

void reportWarning(const char* message)
{
    fprintf(stderr, "line %d: %s\n", lineNumber, message);
    errorLevel = 1;
}

// Identifiers and constants are spelled "ID" on both sides of the message.
void match(TokenCode expected)
{
    if (currentToken != expected) {
        fprintf(stderr, "error: expected %s but found %s\n", tokenSpelling(expected),
                tokenSpelling(currentToken));
        fatalError("syntax error");
    }
    currentToken = nextToken();
}
