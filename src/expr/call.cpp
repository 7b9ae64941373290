// Function calls: the live temporaries of the surrounding expression are
// pushed, the arguments follow in source order (high byte first, so each
// value lies little-endian on the stack), JSR, the caller drops the argument
// bytes by adding their count to SP, the result is moved from BX into the
// slot the expression expects, and the saved temporaries are pulled back.
#include "base/diagnostics.h"
#include "expr/expr.h"
#include "output/output.h"

namespace {

// The clean-up adds the argument byte count to SP as one immediate byte.
constexpr int32_t ARGUMENT_BYTES_LIMIT = 255;

// Pushes the argument just generated at the top of the temporaries, by its
// TypeCode: two bytes for bool, char, int and every pointer or array value
// (a one-byte value goes with the undefined high byte of its slot), four for
// long and floating. The bytes are loaded into their registers first.
// Returns the new argument byte count.
int32_t pushArgument(int32_t count, TypeCode type)
{
    const int base = baseType(type);
    const bool address = (type & (POINTER | ARRAY)) != 0;
    int32_t pushed = 0;
    if (address || base == BASE_BOOL || base == BASE_CHAR || base == BASE_INT) {
        const char* low = byteOperand(tempCounter - 2, false);
        const char* high = byteOperand(tempCounter - 1, false);
        emit(" LDA {}\n PHA\n LDA {}\n PHA\n", high, low);
        pushed = 2;
    } else if (base == BASE_LONG || base == BASE_FLOAT) {
        const char* byte0 = byteOperand(tempCounter - 4, false);
        const char* byte1 = byteOperand(tempCounter - 3, false);
        const char* byte2 = byteOperand(tempCounter - 2, false);
        const char* byte3 = byteOperand(tempCounter - 1, false);
        emit(" LDA {}\n PHA\n LDA {}\n PHA\n LDA {}\n PHA\n LDA {}\n PHA\n", byte3, byte2, byte1,
             byte0);
        pushed = 4;
    } else {
        fatalError("error: undefined argument type");
    }
    tempCounter -= pushed;
    if (count + pushed > ARGUMENT_BYTES_LIMIT)
        fatalError("error: too many arguments");
    return count + pushed;
}

// Generates the argument of one list cell into BX and pushes it.
int32_t pushCellArgument(int32_t count, const ExprNode* cell)
{
    if (cell->left == nullptr)
        fatalError("error: expected ID");
    const TypeCode type = generateExpression(cell->left);
    return pushArgument(count, type);
}

}  // namespace

// Pushes the word at number, high byte first.
void saveWord(int number)
{
    const char* low = wordOperand(number);
    const char* high = wordOperand(number);
    emit(" LDA {}+1\n PHA\n LDA {}\n PHA\n", high, low);
}

// Pulls a saved word back into its register, low byte first; a binding left
// on the word is dropped so that the register itself is written.
void restoreWord(int number)
{
    releaseRegister(number);
    const char* high = wordOperand(number);
    const char* low = wordOperand(number);
    emit(" PLA\n STA {}\n PLA\n STA {}+1\n", low, high);
}

// Copies the word at source into the word at target, low byte first.
void copyWord(int target, int source)
{
    const char* targetHigh = wordOperand(target);
    const char* sourceHigh = wordOperand(source);
    const char* targetLow = wordOperand(target);
    const char* sourceLow = wordOperand(source);
    emit(" LDA {}\n STA {}\n LDA {}+1\n STA {}+1\n", sourceLow, targetLow, sourceHigh,
         targetHigh);
}

// Calls function symbol with the argument list (an empty-list node or a chain
// of cells). On return tempCounter is back at its entry value and the result
// is in the word there (BX when nothing was live).
void compileCall(int32_t symbol, ExprNode* list)
{
    if (symbol <= 0 || symbol >= SYMBOL_TABLE_SIZE)
        fatalError("error: undefined symbol");
    const TypeCode type = symbolAt(symbol).type;
    const int32_t saved = tempCounter;
    int32_t count = 0;
    if ((type & FUNCTION) == 0)
        fatalError("error: expected function/procedure");
    if (list == nullptr)
        fatalError("error: expected ID");
    // The result will be moved to the word at saved: it must be a register.
    if (saved > FIRST_TEMP && baseType(type) != BASE_VOID)
        checkRegister(saved + 1);

    // Live temporaries, the highest first, BX last.
    while (tempCounter > FIRST_TEMP) {
        tempCounter -= 2;
        saveWord(tempCounter);
    }

    if (list->op == RPAREN) {
        const char* name = assemblerName(symbol);
        emit(" JSR Z{}\n", name);
    } else {
        count = pushCellArgument(count, list);
        if (list->right != nullptr)
            count = pushArguments(count, list->right);
        const char* name = assemblerName(symbol);
        emit(" JSR Z{}\n STX BP\n TSX\n TXA\n CLC\n ADC #${:02X}\n TAX\n TXS\n LDX BP\n", name,
             count);
    }

    if (tempCounter == saved)
        return;

    // Move the result from BX above the live temporaries before they return.
    if (baseType(type) != BASE_VOID) {
        releaseRegister(saved);
        copyWord(saved, tempCounter);
    }

    // Pull the saved words back, BX first.
    while (tempCounter < saved) {
        restoreWord(tempCounter);
        tempCounter += 2;
    }
}

// Pushes the argument of this cell and of every following one, in order;
// returns the new byte count. A node that is not a cell ends the list.
int32_t pushArguments(int32_t count, ExprNode* cell)
{
    if (cell == nullptr)
        fatalError("error: expected ID");
    if (cell->op != COMMA)
        return count;
    count = pushCellArgument(count, cell);
    if (cell->right != nullptr)
        return pushArguments(count, cell->right);
    return count;
}
