// Operands of the dialect: the addressing mode of an instruction's operand,
// the sum-of-terms expressions the compiler writes in it, and the small text
// helpers every reader of the dialect shares.
#include <cctype>

#include "dialect.h"

namespace {

// The 56 instructions of the 6502.
const char* const MNEMONICS[] = {
    "ADC", "AND", "ASL", "BCC", "BCS", "BEQ", "BIT", "BMI", "BNE", "BPL", "BRK", "BVC", "BVS", "CLC",
    "CLD", "CLI", "CLV", "CMP", "CPX", "CPY", "DEC", "DEX", "DEY", "EOR", "INC", "INX", "INY", "JMP",
    "JSR", "LDA", "LDX", "LDY", "LSR", "NOP", "ORA", "PHA", "PHP", "PLA", "PLP", "ROL", "ROR", "RTI",
    "RTS", "SBC", "SEC", "SED", "SEI", "STA", "STX", "STY", "TAX", "TAY", "TSX", "TXA", "TXS", "TYA",
};

bool isShift(const std::string& upperMnemonic)
{
    return upperMnemonic == "ASL" || upperMnemonic == "LSR" || upperMnemonic == "ROL" || upperMnemonic == "ROR";
}

// True when text is one parenthesised expression: the parenthesis that opens
// it closes at its last character.
bool wholeParenthesised(const std::string& text)
{
    if (text.size() < 2 || text[0] != '(' || text.back() != ')')
        return false;
    int depth = 0;
    for (size_t i = 0; i < text.size(); i++) {
        if (text[i] == '(')
            depth++;
        else if (text[i] == ')' && --depth == 0)
            return i + 1 == text.size();
    }
    return false;
}

} // namespace

std::string trim(const std::string& text)
{
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return "";
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string upperCase(const std::string& text)
{
    std::string result = text;
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

bool isNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == '@'; }

bool isNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '@'; }

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
        // At most 16 digits: 16 hexadecimal digits may wrap, never overflow
        // in unsigned arithmetic.
        result = static_cast<long long>(static_cast<unsigned long long>(result) * base + digit);
    }
    value = negative ? -result : result;
    return true;
}

bool isMnemonic(const std::string& word)
{
    std::string upper = upperCase(word);
    for (const char* mnemonic : MNEMONICS)
        if (upper == mnemonic)
            return true;
    return false;
}

bool isDataDirective(const std::string& word)
{
    std::string upper = upperCase(word);
    return upper == "DFB" || upper == "DB" || upper == "DW" || upper == "DD" || upper == "DS";
}

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

Operand readOperand(const std::string& mnemonic, const std::string& operandText)
{
    Operand result;
    std::string operand = trim(operandText);
    std::string upperMnemonic = upperCase(mnemonic);
    if (operand.empty())
        return result;
    if (isShift(upperMnemonic) && upperCase(operand) == "A") {
        result.mode = MODE_ACCUMULATOR;
        return result;
    }
    if (operand[0] == '#') {
        result.mode = MODE_IMMEDIATE;
        std::string rest = trim(operand.substr(1));
        if (!rest.empty() && (rest[0] == '>' || rest[0] == '<')) {
            result.select = rest[0] == '>' ? SELECT_LOW : SELECT_HIGH;
            rest = rest.substr(1);
        }
        result.expression = rest;
        return result;
    }
    size_t comma = lastTopLevelComma(operand);
    std::string index = comma == std::string::npos ? "" : upperCase(trim(operand.substr(comma + 1)));
    std::string base = comma == std::string::npos ? operand : trim(operand.substr(0, comma));
    if (operand[0] == '(') {
        if (index == "Y" && base.size() >= 2 && base.back() == ')') {
            result.mode = MODE_INDIRECT_Y;
            result.expression = base.substr(1, base.size() - 2);
            return result;
        }
        std::string inner = operand.size() >= 2 && operand.back() == ')' ? operand.substr(1, operand.size() - 2) : "";
        size_t innerComma = lastTopLevelComma(inner);
        if (comma == std::string::npos && innerComma != std::string::npos &&
            upperCase(trim(inner.substr(innerComma + 1))) == "X") {
            result.mode = MODE_INDIRECT_X;
            result.expression = trim(inner.substr(0, innerComma));
            return result;
        }
        result.parenthesized = true;
        if (upperMnemonic == "JMP" && wholeParenthesised(operand)) {
            result.mode = MODE_INDIRECT;
            result.expression = inner;
            return result;
        }
    }
    if (index == "X" || index == "Y") {
        result.mode = index == "X" ? MODE_DIRECT_X : MODE_DIRECT_Y;
        result.expression = base;
    } else {
        result.mode = MODE_DIRECT;
        result.expression = operand;
    }
    return result;
}

// expression := [sign] term { sign term }   term := number | name | *
// number := decimal digits | $ hexadecimal digits. Blanks may separate the
// pieces. Anything else makes the expression non-linear.
Expression parseExpression(const std::string& text)
{
    Expression result;
    size_t i = 0;
    auto skipBlanks = [&]() {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            i++;
    };
    bool first = true;
    for (;;) {
        skipBlanks();
        if (i >= text.size())
            break;
        Term term;
        if (text[i] == '+' || text[i] == '-') {
            term.negative = text[i] == '-';
            i++;
            skipBlanks();
        } else if (!first) {
            return Expression{};
        }
        if (i >= text.size())
            return Expression{};
        char c = text[i];
        if (c == '*') {
            term.location = true;
            i++;
        } else if (isNameStart(c)) {
            size_t start = i;
            while (i < text.size() && isNameChar(text[i]))
                i++;
            term.name = text.substr(start, i - start);
        } else if (c == '$' || std::isdigit(static_cast<unsigned char>(c))) {
            size_t start = i;
            i++;
            while (i < text.size() && std::isalnum(static_cast<unsigned char>(text[i])))
                i++;
            long long value;
            if (!parseInteger(text.substr(start, i - start), value) || value < 0 || value > 0xFFFFFFFFLL)
                return Expression{};
            term.value = value;
        } else {
            return Expression{};
        }
        result.terms.push_back(term);
        first = false;
    }
    result.linear = !result.terms.empty();
    return result;
}
