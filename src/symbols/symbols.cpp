// The symbol table: a stack of entries in which each scope is a contiguous
// run on top of the runs of its enclosing scopes, the store of name
// characters, and the lookups. Lookups answer exactly as a newest-first scan
// over the live entries would; a hash index of names beside the entries makes
// them cheap on large sources.
#include <algorithm>
#include <cstring>
#include <iterator>

#include "base/diagnostics.h"
#include "symbols/symbols.h"

SymbolTable symbolTable;

namespace {

// The name index. Every live slot that has been inserted is on the chain of
// its name's bucket; each chain is ordered by falling slot index, because a
// new entry always takes a slot above every slot still indexed (slots at and
// above an insertion point are dead and are dropped from the index first).
constexpr int INDEX_BUCKETS = 8192;  // a power of two, twice the entry count
int32_t bucketHead[INDEX_BUCKETS];          // newest slot of each bucket, 0: none
int32_t nextInBucket[SYMBOL_TABLE_SIZE];    // next older slot of the same bucket
int32_t bucketOfSlot[SYMBOL_TABLE_SIZE];
int32_t indexedTop;                         // highest slot in the index, 0: empty

// FNV-1a over the bytes of the name.
uint32_t hashName(const char* name)
{
    uint32_t hash = 2166136261u;
    for (const char* p = name; *p != '\0'; ++p)
        hash = (hash ^ static_cast<unsigned char>(*p)) * 16777619u;
    return hash;
}

void clearIndex()
{
    std::fill(std::begin(bucketHead), std::end(bucketHead), 0);
    indexedTop = 0;
}

// Drops slots top..indexedTop from the index, newest first: each is then the
// head of its bucket.
void dropIndexedFrom(int32_t top)
{
    while (indexedTop >= top && indexedTop > 0) {
        int32_t bucket = bucketOfSlot[indexedTop];
        bucketHead[bucket] = nextInBucket[indexedTop];
        --indexedTop;
    }
}

void indexSlot(int32_t slot, const char* name)
{
    dropIndexedFrom(slot);
    int32_t bucket = static_cast<int32_t>(hashName(name) & (INDEX_BUCKETS - 1));
    nextInBucket[slot] = bucketHead[bucket];
    bucketHead[bucket] = slot;
    bucketOfSlot[slot] = bucket;
    indexedTop = slot;
}

bool nameAt(int32_t slot, const char* name)
{
    const char* stored = symbolTable.entries[slot].name;
    return stored != nullptr && strcmp(stored, name) == 0;
}

// Newest slot in low..high whose name equals name, or 0: the answer of a
// scan from high down to low.
int32_t findNewest(const char* name, int32_t low, int32_t high)
{
    if (low < 1)
        low = 1;
    if (high > SYMBOL_TABLE_SIZE - 1)
        high = SYMBOL_TABLE_SIZE - 1;
    // Slots above the index are searched by the scan itself; in a table
    // changed only by insertions and scope open/close there are none.
    for (int32_t slot = high; slot > indexedTop && slot >= low; --slot) {
        if (nameAt(slot, name))
            return slot;
    }
    for (int32_t slot = bucketHead[hashName(name) & (INDEX_BUCKETS - 1)]; slot >= low; slot = nextInBucket[slot]) {
        if (slot <= high && nameAt(slot, name))
            return slot;
    }
    return 0;
}

int32_t currentTop()
{
    int32_t depth = symbolTable.scopeDepth;
    if (depth < 0 || depth >= SCOPE_DEPTHS)
        fatalError("compiler error");
    return symbolTable.scopeTop[depth];
}

// Newest entry of the scope enclosing the current one; 0 at depth 0.
int32_t enclosingTop()
{
    int32_t depth = symbolTable.scopeDepth;
    return depth >= 1 ? symbolTable.scopeTop[depth - 1] : 0;
}

}  // namespace

// Empties the table and loads the predefined keywords and operators, leaving
// the file scope open. Entry values are cleared once here; reused slots keep
// their previous occupant's values.
void initSymbolTable()
{
    for (SymbolEntry& entry : symbolTable.entries) {
        entry.address = 0;
        entry.intValue = 0;
        entry.floatValue = 0.0;
    }
    symbolTable.lexemeUsed = -1;
    symbolTable.scopeDepth = 0;
    symbolTable.declarationMode = 1;
    clearIndex();
    loadPredefinedSymbols();
}

// Appends an entry for name to the current scope and returns its index.
// address, intValue and floatValue are left as the slot's last occupant set
// them.
int32_t insertSymbol(const char* name, TokenCode code)
{
    int32_t length = static_cast<int32_t>(strlen(name));
    int32_t index = currentTop() + 1;
    if (index >= SYMBOL_TABLE_SIZE)
        fatalError("symbol table full");
    if (symbolTable.lexemeUsed + 1 + length >= LEXEME_STORE_SIZE)
        fatalError("lexemes array full");

    int32_t depth = symbolTable.scopeDepth;
    symbolTable.scopeTop[depth] = index;
    SymbolEntry& entry = symbolTable.entries[index];
    entry.token = code;
    entry.name = &symbolTable.lexemeStore[symbolTable.lexemeUsed + 1];
    entry.type = 0;
    entry.link = 0;
    entry.parameterTypes = nullptr;
    entry.owner = depth >= 2 ? symbolTable.scopeTop[depth - 1] : 0;
    memcpy(entry.name, name, static_cast<size_t>(length) + 1);
    symbolTable.lexemeUsed += length + 1;
    indexSlot(index, entry.name);
    return index;
}

// Every open scope, newest entry first: inner declarations hide outer ones.
int32_t lookupSymbol(const char* name)
{
    return findNewest(name, 1, currentTop());
}

int32_t lookupInCurrentScope(const char* name)
{
    return findNewest(name, enclosingTop() + 1, currentTop());
}

// The current scope, then the keywords and operators; the scopes in between
// are skipped, so a parameter or local may reuse a file-level name.
int32_t lookupForDeclaration(const char* name)
{
    int32_t found = lookupInCurrentScope(name);
    if (found == 0)
        found = findNewest(name, 1, symbolTable.scopeTop[0]);
    return found;
}
