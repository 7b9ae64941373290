// The one writer of assembly text: emit formats each template with {fmt}
// into outputText, which goes to outputFile in large pieces.
#include "output/output.h"

FILE* outputFile;
fmt::memory_buffer outputText;

void flushOutput()
{
    if (outputFile != nullptr)
        fwrite(outputText.data(), 1, outputText.size(), outputFile);
    outputText.clear();
}
