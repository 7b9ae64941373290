// Freezing a function's parameter list: the chain of parameter entries, whose
// slots are reused once the function's scope closes, is turned into an array
// of their types that outlives the scope.
#include <memory>
#include <vector>

#include "base/diagnostics.h"
#include "symbols/symbols.h"

namespace {

// Every frozen array, kept for the whole run (entries may be reused, so an
// entry's pointer is not the only one).
std::vector<std::unique_ptr<int32_t[]>> frozenParameterArrays;

}  // namespace

// Stores in the function entry a zero-terminated array of its parameters'
// types in chain order and cuts the chain; 1 on success, 0 when the entry is
// not a declared function.
int freezeParameterTypes(int32_t index)
{
    if (index < 1 || index >= SYMBOL_TABLE_SIZE)
        fatalError("compiler error");
    SymbolEntry& function = symbolAt(index);
    if (function.type == 0 || (function.type & FUNCTION) == 0)
        return 0;

    // A chain holds live entries only, so a longer one must be a loop.
    int32_t slots = 1;
    for (int32_t k = function.link; k != 0; k = symbolAt(k).link) {
        if (k < 1 || k >= SYMBOL_TABLE_SIZE || slots >= SYMBOL_TABLE_SIZE)
            fatalError("compiler error");
        ++slots;
    }

    std::unique_ptr<int32_t[]> types(new int32_t[static_cast<size_t>(slots)]());
    int32_t slot = 0;
    for (int32_t k = function.link; k != 0; k = symbolAt(k).link)
        types[slot++] = symbolAt(k).type;
    function.parameterTypes = types.get();
    function.link = 0;
    frozenParameterArrays.push_back(std::move(types));
    return 1;
}
