// Operands and names: renaming what ca65 reserves, the byte selectors (in the
// dialect #> is the LOW byte and #< the HIGH byte of the whole expression, the
// opposite of ca65), and indexed operands, whose sums wrap modulo 65536 and
// which always use absolute indexing.
#include <cctype>
#include <cstring>

#include "bridge.h"

namespace {

// The 56 instructions of the 6502: ca65 refuses them as symbol names.
const char* const MNEMONICS[] = {
    "ADC", "AND", "ASL", "BCC", "BCS", "BEQ", "BIT", "BMI", "BNE", "BPL", "BRK", "BVC", "BVS", "CLC",
    "CLD", "CLI", "CLV", "CMP", "CPX", "CPY", "DEC", "DEX", "DEY", "EOR", "INC", "INX", "INY", "JMP",
    "JSR", "LDA", "LDX", "LDY", "LSR", "NOP", "ORA", "PHA", "PHP", "PLA", "PLP", "ROL", "ROR", "RTI",
    "RTS", "SBC", "SEC", "SED", "SEI", "STA", "STX", "STY", "TAX", "TAY", "TSX", "TXA", "TXS", "TYA",
};

// Prefix of a renamed symbol. Compiled names are upper case, so a name with a
// lower-case letter never clashes with one of them.
const char* const RENAME_PREFIX = "q_";

} // namespace

std::string upperCase(const std::string& text)
{
    std::string result = text;
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

bool isNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == '@'; }

bool isNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '@'; }

// The register names of operands; ca65 reads them as registers anywhere.
static bool isRegisterName(const std::string& upper) { return upper == "A" || upper == "X" || upper == "Y"; }

std::string trim(const std::string& text)
{
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return "";
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

namespace {

// Index of the last comma outside parentheses and quotes, or npos.
size_t lastTopLevelComma(const std::string& text)
{
    size_t found = std::string::npos;
    int depth = 0;
    char quote = 0;
    for (size_t i = 0; i < text.size(); i++) {
        char c = text[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '(') {
            depth++;
        } else if (c == ')') {
            depth--;
        } else if (c == ',' && depth == 0) {
            found = i;
        }
    }
    return found;
}

} // namespace

bool parseInteger(const std::string& text, long long& value)
{
    std::string body = trim(text);
    bool negative = false;
    size_t i = 0;
    if (i < body.size() && (body[i] == '-' || body[i] == '+')) {
        negative = body[i] == '-';
        i++;
    }
    int base = 10;
    if (i < body.size() && body[i] == '$') {
        base = 16;
        i++;
    }
    if (i >= body.size() || body.size() - i > 16)
        return false;
    long long result = 0;
    for (; i < body.size(); i++) {
        int digit;
        char c = static_cast<char>(std::toupper(static_cast<unsigned char>(body[i])));
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return false;
        result = result * base + digit;
    }
    value = negative ? -result : result;
    return true;
}

namespace {

// A ca65 immediate operand selecting one byte of a 16-bit value.
std::string selectByte(char ca65Selector, const std::string& expression)
{
    return std::string("#") + ca65Selector + "(.loword(" + renameSymbols(expression) + "))";
}

} // namespace

bool isMnemonic(const std::string& word)
{
    std::string upper = upperCase(word);
    for (const char* mnemonic : MNEMONICS)
        if (upper == mnemonic)
            return true;
    return false;
}

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
    std::string operand = trim(operandText);
    std::string upperMnemonic = upperCase(mnemonic);
    if (operand.empty())
        return "";
    // ASL A, LSR A, ROL A, ROR A work on the accumulator.
    if ((upperMnemonic == "ASL" || upperMnemonic == "LSR" || upperMnemonic == "ROL" || upperMnemonic == "ROR") &&
        upperCase(operand) == "A")
        return "a";
    if (operand[0] == '#') {
        std::string rest = trim(operand.substr(1));
        if (!rest.empty() && rest[0] == '>')
            return selectByte('<', rest.substr(1));
        if (!rest.empty() && rest[0] == '<')
            return selectByte('>', rest.substr(1));
        long long value;
        if (parseInteger(rest, value) && (value < 0 || value > 255))
            return selectByte('<', rest);
        std::string immediate = "#";  // appended, not "#" + ...: g++ 12 -O2 warns falsely on that form
        immediate += renameSymbols(rest);
        return immediate;
    }
    size_t comma = lastTopLevelComma(operand);
    std::string index = comma == std::string::npos ? "" : upperCase(trim(operand.substr(comma + 1)));
    std::string base = comma == std::string::npos ? operand : trim(operand.substr(0, comma));
    if (operand[0] == '(') {
        // (zp),Y and (zp,X) and JMP (address): the address is kept as it is.
        if (index == "Y" && base.size() >= 2 && base.back() == ')')
            return renameSymbols(base) + ",y";
        std::string inner = operand.size() >= 2 && operand.back() == ')' ? operand.substr(1, operand.size() - 2) : "";
        size_t innerComma = lastTopLevelComma(inner);
        if (comma == std::string::npos && innerComma != std::string::npos &&
            upperCase(trim(inner.substr(innerComma + 1))) == "X")
        {
            std::string indirect = "(";
            indirect += renameSymbols(trim(inner.substr(0, innerComma)));
            indirect += ",x)";
            return indirect;
        }
        return renameSymbols(operand);
    }
    if (index == "X" || index == "Y") {
        std::string lowerIndex = index == "X" ? "x" : "y";
        // STX zp,Y and STY zp,X exist only in page zero.
        if (upperMnemonic == "STX" || upperMnemonic == "STY")
            return renameSymbols(base) + "," + lowerIndex;
        return "a:.loword(" + renameSymbols(base) + ")," + lowerIndex;
    }
    return renameSymbols(operand);
}
