// The names under which symbols are printed: the scoped name (a local
// followed by "@" and its owners' names) and the assembler name built from it.
#include <cstring>

#include "base/diagnostics.h"
#include "symbols/symbols.h"

namespace {

char scopedNameBuffer[NAME_BUFFER_SIZE];     // a name holds at most 255 characters
char assemblerNameBuffer[NAME_BUFFER_SIZE];

void checkIndex(int32_t index)
{
    if (index < 1 || index >= SYMBOL_TABLE_SIZE || symbolAt(index).name == nullptr)
        fatalError("compiler error");
}

// Appends text at *used; a result that would not fit the buffer stops the
// compilation rather than print a cut (and so different) label.
void appendName(const char* text, int32_t* used)
{
    size_t length = strlen(text);
    if (static_cast<size_t>(*used) + length > NAME_BUFFER_SIZE - 1)
        fatalError("error: name too long");
    memcpy(scopedNameBuffer + *used, text, length);
    *used += static_cast<int32_t>(length);
}

// name@owner@owner's owner..., following owner links until one is 0, into
// the scoped name buffer; returns its length.
int32_t buildScopedName(int32_t index)
{
    checkIndex(index);
    int32_t used = 0;
    appendName(symbolAt(index).name, &used);
    for (int32_t owner = symbolAt(index).owner; owner != 0; owner = symbolAt(owner).owner) {
        checkIndex(owner);
        appendName("@", &used);
        appendName(symbolAt(owner).name, &used);
    }
    scopedNameBuffer[used] = '\0';
    return used;
}

}  // namespace

// The result lives in a static buffer overwritten by the next call.
const char* scopedName(int32_t index)
{
    buildScopedName(index);
    return scopedNameBuffer;
}

// The scoped name upper-cased with every '@' written as 'Z' (count@main is
// COUNTZMAIN). Overwrites the scopedName buffer as well as its own.
const char* assemblerName(int32_t index)
{
    int32_t length = buildScopedName(index);
    for (int32_t position = 0; position < length; ++position) {
        char c = scopedNameBuffer[position];
        if (c == '@')
            c = 'Z';
        else if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        assemblerNameBuffer[position] = c;
    }
    assemblerNameBuffer[length] = '\0';
    return assemblerNameBuffer;
}
