// The one writer of assembly text: emit formats each template with {fmt}
// into outputText, which goes to outputFile in large pieces. Every write,
// the final flush and the close are checked: output that cannot be written
// (a full disk) ends the run instead of leaving a file cut short.
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <sys/stat.h>

#include "base/diagnostics.h"
#include "output/output.h"

FILE* outputFile;
const char* outputName = "";
fmt::memory_buffer outputText;

namespace {

bool isRegularFile(FILE* file)
{
    struct stat status;
    return fstat(fileno(file), &status) == 0 && S_ISREG(status.st_mode);
}

// Reported like an output file that cannot be opened: the message on
// standard output and the same exit status. What was written is removed
// when it is a regular file; a device such as /dev/full is left alone.
[[noreturn]] void outputLost(int error, bool regularFile)
{
    if (regularFile)
        remove(outputName);
    printf("error: can't write output file %s: %s\n", outputName, strerror(error));
    exit(FILE_FAILURE_STATUS);
}

// A failed write or flush: the stream is closed without another check,
// as what it still holds is lost with the file.
[[noreturn]] void writeFailed(int error)
{
    bool regularFile = isRegularFile(outputFile);
    fclose(outputFile);
    outputFile = nullptr;
    outputLost(error, regularFile);
}

}  // namespace

void flushOutput()
{
    if (outputFile != nullptr && fwrite(outputText.data(), 1, outputText.size(), outputFile) != outputText.size())
        writeFailed(errno);
    outputText.clear();
}

void closeOutput()
{
    if (outputFile == nullptr)
        return;
    flushOutput();
    if (fflush(outputFile) != 0)
        writeFailed(errno);
    bool regularFile = isRegularFile(outputFile);
    int closed = fclose(outputFile);
    int error = errno;
    outputFile = nullptr;
    if (closed != 0)
        outputLost(error, regularFile);
}
