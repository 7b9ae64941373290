// The scanner: turns the source stream into token codes, one per nextToken,
// skipping white space and comments, reading numbers, and entering every new
// name into the symbol table as it is read. Characters are signed 8-bit
// values, so the end of input and a byte of 255 are the same value, -1.
#include <cstdlib>

#include "base/diagnostics.h"
#include "lexer/lexer.h"
#include "symbols/symbols.h"

FILE* sourceFile;
int32_t tokenSymbol;
int32_t tokenIntValue;
double tokenFloatValue;
char lexeme[LEXEME_SIZE];
char numberText[NUMBER_TEXT_SIZE];
int32_t numberTextLength;
uint8_t pendingNewline = 1;

namespace {

constexpr int END_OF_INPUT = -1;

// Characters given back to the stream, newest last. A number that ends in
// '.' and a non-digit gives back two.
constexpr int PUSHBACK_SIZE = 2;
int pushedBack[PUSHBACK_SIZE];
int pushedBackCount;

bool isDigit(int c) { return c >= '0' && c <= '9'; }
bool isOctalDigit(int c) { return c >= '0' && c <= '7'; }
bool isLetter(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isNameCharacter(int c) { return isLetter(c) || isDigit(c) || c == '_'; }
// Printable characters other than the blank: the operator characters.
bool isPunctuation(int c) { return c > ' ' && c < 127; }

int hexDigitValue(int c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

void clearTokenValues()
{
    tokenSymbol = 0;
    tokenIntValue = 0;
    tokenFloatValue = 0.0;
}

// numberText keeps the whole text of a floating constant for atof; a number
// whose text does not fit is refused.
void appendNumberText(int c)
{
    if (numberTextLength >= NUMBER_TEXT_SIZE - 1)
        fatalError("error: number too long");
    numberText[numberTextLength++] = static_cast<char>(c);
    numberText[numberTextLength] = '\0';
}

void startNumberText()
{
    numberTextLength = 0;
    numberText[0] = '\0';
}

// Reads the decimal digits that follow the first one (in hand) into *value,
// wrapping in 32 bits. Gives back the character that ends them and returns
// it, so the caller can test it for '.'.
int scanDecimal(int first, uint32_t* value)
{
    uint32_t v = 0;
    int c = first;
    while (isDigit(c)) {
        appendNumberText(c);
        v = v * 10u + static_cast<uint32_t>(c - '0');
        c = readChar();
    }
    unreadChar(c);
    *value = v;
    return c;
}

// The fraction after '.', first fraction digit in hand: each digit d at place
// k adds d divided by 10.0 k times over, in order; an exponent makes the
// value atof of the whole text instead.
double scanFraction(int32_t integerPart, int first)
{
    appendNumberText('.');
    double value = static_cast<double>(integerPart);
    double sign = integerPart < 0 ? -1.0 : 1.0;
    int c = first;
    for (int place = 1; isDigit(c); ++place) {
        appendNumberText(c);
        double term = static_cast<double>(c - '0');
        for (int k = 0; k < place; ++k)
            term /= 10.0;
        value += sign * term;
        c = readChar();
    }
    if (c == 'e' || c == 'E') {
        appendNumberText(c);
        c = readChar();
        if (c == '+' || c == '-') {
            appendNumberText(c);
            c = readChar();
        }
        while (isDigit(c)) {
            appendNumberText(c);
            c = readChar();
        }
        value = atof(numberText);
    }
    unreadChar(c);
    return value;
}

// Hexadecimal digits after "0x"; none at all is the value 0.
uint32_t scanHex()
{
    uint32_t value = 0;
    int c = readChar();
    for (int digit = hexDigitValue(c); digit >= 0; digit = hexDigitValue(c)) {
        value = value * 16u + static_cast<uint32_t>(digit);
        c = readChar();
    }
    unreadChar(c);
    return value;
}

// Octal digits, first one in hand; an '8' or '9' ends the number.
uint32_t scanOctal(int first)
{
    uint32_t value = static_cast<uint32_t>(first - '0');
    int c = readChar();
    while (isOctalDigit(c)) {
        value = value * 8u + static_cast<uint32_t>(c - '0');
        c = readChar();
    }
    unreadChar(c);
    return value;
}

TokenCode integerToken(uint32_t value)
{
    tokenIntValue = static_cast<int32_t>(value);
    return ICONST;
}

TokenCode floatToken(double value)
{
    tokenFloatValue = value;
    return FCONST;
}

// After an integer part: the '.' has been read. A digit next makes a floating
// constant; anything else leaves the integer, and the '.' and that character
// are scanned again as the next input.
TokenCode afterPoint(uint32_t integerPart)
{
    int c = readChar();
    if (isDigit(c))
        return floatToken(scanFraction(static_cast<int32_t>(integerPart), c));
    unreadChar(c);
    unreadChar('.');
    return integerToken(integerPart);
}

// A number, first digit in hand.
TokenCode scanNumber(int first)
{
    startNumberText();
    if (first != '0') {
        uint32_t value = 0;
        int end = scanDecimal(first, &value);
        if (end != '.')
            return integerToken(value);
        readChar();  // the '.' just given back
        return afterPoint(value);
    }
    int c = readChar();
    if (c == '.') {
        appendNumberText('0');
        return afterPoint(0);
    }
    if (c == 'x' || c == 'X')
        return integerToken(scanHex());
    if (isOctalDigit(c))
        return integerToken(scanOctal(c));
    unreadChar(c);
    return integerToken(0);
}

// A name, first character in hand: looked up (in declaration mode, a second
// declaration in the current scope is fatal) and entered when new.
TokenCode scanName(int first)
{
    int length = 0;
    int c = first;
    while (isNameCharacter(c)) {
        if (length == LEXEME_SIZE - 1)
            fatalError("compiler error");
        lexeme[length++] = static_cast<char>(c);
        c = readChar();
    }
    lexeme[length] = '\0';
    unreadChar(c);

    int32_t index;
    if (symbolTable.declarationMode != 0) {
        if (lookupInCurrentScope(lexeme) != 0)
            fatalError("symbol redefinition");
        index = lookupForDeclaration(lexeme);
    } else {
        index = lookupSymbol(lexeme);
    }
    if (index == 0)
        index = insertSymbol(lexeme, ID);

    TokenCode token = symbolAt(index).token;
    if (token == KW_FALSE)
        return integerToken(0);
    if (token == KW_TRUE)
        return integerToken(0xFFFFFFFFu);
    tokenSymbol = index;
    return token;
}

// An operator, first character in hand: the two-character spelling if there
// is one, else the single character's, else the character's own code.
TokenCode scanOperator(int first)
{
    int second = readChar();
    lexeme[0] = static_cast<char>(first);
    lexeme[1] = static_cast<char>(second);
    lexeme[2] = '\0';
    int32_t index = lookupSymbol(lexeme);
    if (index != 0)
        return symbolAt(index).token;
    unreadChar(second);
    lexeme[1] = '\0';
    index = lookupSymbol(lexeme);
    if (index != 0)
        return symbolAt(index).token;
    return first;
}

// Skips to the end of a comment. Returns the character after its newline
// (which is counted), or -1 when the input ends inside the comment.
int skipComment()
{
    int c = readChar();
    while (c != '\n' && c != END_OF_INPUT)
        c = readChar();
    if (c == END_OF_INPUT)
        return END_OF_INPUT;
    ++lineNumber;
    return readChar();
}

}  // namespace

void resetScanner()
{
    pendingNewline = 1;
    lineNumber = 0;
    pushedBackCount = 0;
    clearTokenValues();
    lexeme[0] = '\0';
    startNumberText();
}

int readChar()
{
    if (pushedBackCount > 0)
        return pushedBack[--pushedBackCount];
    int c = getc(sourceFile);
    if (c == EOF)
        return END_OF_INPUT;
    return static_cast<int8_t>(static_cast<uint8_t>(c));
}

// White space and the end of input are not given back; a newline is counted
// now, since it will not be read again.
void unreadChar(int c)
{
    if (c == END_OF_INPUT || c == ' ' || c == '\t' || c == '\r')
        return;
    if (c == '\n') {
        ++lineNumber;
        return;
    }
    if (pushedBackCount == PUSHBACK_SIZE)
        fatalError("compiler error");
    pushedBack[pushedBackCount++] = c;
}

TokenCode nextToken()
{
    int c;
    if (pendingNewline != 0) {
        c = '\n';
        pendingNewline = 0;
    } else {
        c = readChar();
    }

    for (;;) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\0') {
            c = readChar();
        } else if (c == '\n') {
            ++lineNumber;
            c = readChar();
        } else if (c == '#') {
            c = skipComment();
        } else if (c == '/') {
            int next = readChar();
            if (next == '/') {
                c = skipComment();
            } else {
                unreadChar(next);
                break;
            }
        } else {
            break;
        }
    }

    clearTokenValues();
    if (isDigit(c))
        return scanNumber(c);
    if (isLetter(c) || c == '_')
        return scanName(c);
    if (isPunctuation(c))
        return scanOperator(c);
    if (c == END_OF_INPUT)
        return ENDFILE;
    return c;
}
