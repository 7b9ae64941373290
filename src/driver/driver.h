// The driver: the command line, one compilation run and the update notice.
// quarnMain checks for a newer version, prints the banner, reads the switches
// into the options (base/options.h), opens the two files and runs
// compileSource over them, which writes the header, compiles the translation
// unit and writes the trailer. It uses every other folder; nothing outside
// this folder includes this header.
#pragma once

#include <cstdio>

// The program: banner, switches, files, one compilation; returns the exit status.
int quarnMain(int argc, char** argv);
void compileSource(FILE* source, FILE* output);

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
