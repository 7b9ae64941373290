// Operands and names: renaming what ca65 reserves, the byte selectors (in the
// dialect #> is the LOW byte and #< the HIGH byte of the whole expression, the
// opposite of ca65), and indexed operands, whose sums wrap modulo 65536 and
// which always use absolute indexing.
#include <cctype>
#include <cstring>

#include "bridge.h"

namespace {

// Prefix of a renamed symbol. Compiled names are upper case, so a name with a
// lower-case letter never clashes with one of them.
const char* const RENAME_PREFIX = "q_";

// The register names of operands; ca65 reads them as registers anywhere.
bool isRegisterName(const std::string& upper) { return upper == "A" || upper == "X" || upper == "Y"; }

// A ca65 immediate operand selecting one byte of a 16-bit value.
std::string selectByte(char ca65Selector, const std::string& expression)
{
    return std::string("#") + ca65Selector + "(.loword(" + renameSymbols(expression) + "))";
}

} // namespace

std::string symbolName(const std::string& name)
{
    if (name.size() > MAX_NAME_LENGTH) {
        reportLineError("name too long");
        return name;
    }
    std::string upper = upperCase(name);
    if (isRegisterName(upper) || isMnemonic(upper))
        return RENAME_PREFIX + name;
    return name;
}

std::string renameSymbols(const std::string& expression)
{
    std::string result;
    size_t i = 0;
    while (i < expression.size()) {
        char c = expression[i];
        if (c == '\'' || c == '"') {
            // A character or string constant is copied as written.
            size_t end = expression.find(c, i + 1);
            end = end == std::string::npos ? expression.size() : end + 1;
            result += expression.substr(i, end - i);
            i = end;
        } else if (c == '$' || c == '.' || std::isdigit(static_cast<unsigned char>(c))) {
            // A number ($FF, 10) or a ca65 function (.loword) is no symbol.
            size_t end = i + 1;
            while (end < expression.size() && isNameChar(expression[end]))
                end++;
            result += expression.substr(i, end - i);
            i = end;
        } else if (isNameStart(c)) {
            size_t end = i + 1;
            while (end < expression.size() && isNameChar(expression[end]))
                end++;
            std::string name = expression.substr(i, end - i);
            bool sizeOverride = end < expression.size() && expression[end] == ':' &&
                                (end + 1 >= expression.size() || expression[end + 1] != ':') &&
                                name.size() == 1 && std::strchr("azfAZF", name[0]);
            result += sizeOverride ? name : symbolName(name);
            i = end;
        } else {
            result += c;
            i++;
        }
    }
    return result;
}

std::string translateOperand(const std::string& mnemonic, const std::string& operandText)
{
    Operand operand = readOperand(mnemonic, operandText);
    const std::string& expression = operand.expression;
    if (operand.parenthesized) {
        // JMP (address), or an address written in parentheses: kept as it is.
        return renameSymbols(trim(operandText));
    }
    switch (operand.mode) {
    case MODE_IMPLIED:
        return "";
    case MODE_ACCUMULATOR:
        // ASL A, LSR A, ROL A, ROR A work on the accumulator.
        return "a";
    case MODE_IMMEDIATE: {
        if (operand.select == SELECT_LOW)
            return selectByte('<', expression);
        if (operand.select == SELECT_HIGH)
            return selectByte('>', expression);
        long long value;
        if (parseInteger(expression, value) && (value < 0 || value > 255))
            return selectByte('<', expression);
        std::string immediate = "#";
        immediate += renameSymbols(expression);
        return immediate;
    }
    case MODE_INDIRECT_Y:
    case MODE_INDIRECT_X: {
        // Appended, not "(" + ...: g++ 12 -O2 warns falsely on that form.
        std::string indirect = "(";
        indirect += renameSymbols(expression);
        indirect += operand.mode == MODE_INDIRECT_Y ? "),y" : ",x)";
        return indirect;
    }
    case MODE_DIRECT_X:
    case MODE_DIRECT_Y: {
        std::string lowerIndex = operand.mode == MODE_DIRECT_X ? "x" : "y";
        // STX zp,Y and STY zp,X exist only in page zero.
        std::string upperMnemonic = upperCase(mnemonic);
        if (upperMnemonic == "STX" || upperMnemonic == "STY")
            return renameSymbols(expression) + "," + lowerIndex;
        return "a:.loword(" + renameSymbols(expression) + ")," + lowerIndex;
    }
    default:
        return renameSymbols(expression);
    }
}
