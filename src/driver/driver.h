// Command line, option globals, the compilation driver, diagnostics and token
// matching, and the update notice.
#pragma once

#include <cstdint>
#include <cstdio>

#include "lexer/lexer.h"

extern uint16_t romOrigin;         // 0xFFFF: no -B given (becomes 0x2000)
extern uint16_t stackInit;         // 0xFFFF: stack pointer not set
extern uint16_t ramBase;           // register block, then next free RAM address
extern uint8_t mulDivMode;         // 0: helper calls (-C), 1: inline (-I)
extern uint8_t optimizeFlag;       // -O
extern uint8_t ramVariablesFlag;   // 1: variables by equates in RAM (-V)

extern int32_t errorLevel;         // exit status of a completed run
extern TokenCode currentToken;     // the lookahead token

// The program: banner, switches, files, one compilation; returns the exit status.
int quarnMain(int argc, char** argv);
void compileSource(FILE* source, FILE* output);

[[noreturn]] void fatalError(const char* message);
void reportError(const char* message);
void reportWarning(const char* message);
// Consumes the lookahead when it is the expected token and reads the next
// one; anything else is a fatal syntax error naming both spellings.
void match(TokenCode expected);

// Start-up check for a newer version; silent when no address is configured or
// the server cannot be reached.
void checkForUpdate();
// The same check against the given version page, upgrade message text and
// download page addresses.
void checkForUpdateWith(const char* versionAddress, const char* messageAddress,
                        const char* downloadAddress);
// HTTP status of address (0 when it cannot be had); a 200 body goes into
// buffer, at most bufferSize - 1 bytes and a NUL.
int fetchHttpStatus(const char* address, char* buffer, int bufferSize);
