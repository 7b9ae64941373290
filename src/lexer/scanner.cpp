// The scanner: turns the source stream into token codes, one per nextToken,
// skipping white space and comments, reading numbers, and entering every new
// name into the symbol table as it is read. Characters are signed 8-bit
// values, so the end of input and a byte of 255 are the same value, -1.
#include <cstdlib>

#include "driver/driver.h"
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
int32_t lineNumber;

namespace {

constexpr int END_OF_INPUT = -1;

// The source is read a block at a time into this buffer, and readChar takes
// its characters from here: a function call into the stream per character
// was a large part of the scanning time. The byte after the last one read,
// *sourceLimit, is always 0xFF, which is neither blank nor part of a name or
// number: the loops that take runs of characters straight from the block
// stop there without a test of their own, and a real 0xFF byte (the end of
// input, to readChar) stops them too.
constexpr size_t SOURCE_BLOCK_SIZE = 1 << 14;
constexpr unsigned char BLOCK_END = 0xFF;
unsigned char sourceBlock[SOURCE_BLOCK_SIZE + 1] = {BLOCK_END};
const unsigned char* sourceNext = sourceBlock;
const unsigned char* sourceLimit = sourceBlock;

// Reads the next block of the source; false at the end of input.
bool refillSource()
{
    size_t count = fread(sourceBlock, 1, SOURCE_BLOCK_SIZE, sourceFile);
    sourceNext = sourceBlock;
    sourceLimit = sourceBlock + count;
    sourceBlock[count] = BLOCK_END;
    return count != 0;
}

constexpr bool isDigit(int c) { return c >= '0' && c <= '9'; }
constexpr bool isOctalDigit(int c) { return c >= '0' && c <= '7'; }
constexpr bool isLetter(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
constexpr bool isNameCharacter(int c) { return isLetter(c) || isDigit(c) || c == '_'; }
// Printable characters other than the blank: the operator characters.
constexpr bool isPunctuation(int c) { return c > ' ' && c < 127; }
// White space between tokens: 2 for a newline (it is counted), 1 for the
// others, 0 for anything else.
constexpr int blankClass(int c) { return c == '\n' ? 2 : c == ' ' || c == '\t' || c == '\r' || c == '\0' ? 1 : 0; }
// What giving c back to the stream does: 2 for a newline (dropped and
// counted), 1 for a blank or the end of input (dropped), 0 when it is kept
// to be read again.
constexpr int givenBackClass(int c)
{
    return c == '\n' ? 2 : c == END_OF_INPUT || c == ' ' || c == '\t' || c == '\r' ? 1 : 0;
}

// The classes above for each source byte, as readChar hands it out (a signed
// value: 0xFF is the end of input), for the runs taken from the block.
struct ByteClasses {
    uint8_t blank[256];    // blankClass: a run's newlines are the sum less one per byte
    bool name[256];
    uint8_t start[256];    // how a token that begins with the byte is read
    uint8_t dropped[256];  // givenBackClass
};

// Token starts that nextToken reads straight from the block; the rest
// (comments, '/', bytes above 126, the end of the block) take the general
// way.
enum : uint8_t { START_OTHER, START_NAME, START_NUMBER, START_OPERATOR };

constexpr ByteClasses makeByteClasses()
{
    ByteClasses classes{};
    for (int byte = 0; byte < 256; byte++) {
        int c = static_cast<int8_t>(byte);
        classes.blank[byte] = static_cast<uint8_t>(blankClass(c));
        classes.name[byte] = isNameCharacter(c);
        classes.dropped[byte] = static_cast<uint8_t>(givenBackClass(c));
        if (isLetter(c) || c == '_')
            classes.start[byte] = START_NAME;
        else if (isDigit(c))
            classes.start[byte] = START_NUMBER;
        else if (isPunctuation(c) && c != '#' && c != '/')
            classes.start[byte] = START_OPERATOR;
    }
    return classes;
}

constexpr ByteClasses byteClasses = makeByteClasses();

// Characters given back to the stream, newest last. A number that ends in
// '.' and a non-digit gives back two.
constexpr int PUSHBACK_SIZE = 2;
int pushedBack[PUSHBACK_SIZE];
int pushedBackCount;

// Gives back the character at p, which ends a token and is in the block,
// as reading it and calling unreadChar would: a blank or the end of input
// is dropped, a newline is dropped and counted, anything else is read next.
void giveBackAt(const unsigned char* p)
{
    uint8_t given = byteClasses.dropped[*p];
    lineNumber += given >> 1;
    sourceNext = p + (given != 0);
}

// Takes the run of blanks at the read position, as far as the block holds
// it, and counts its newlines.
void skipBlanksInBlock()
{
    const unsigned char* p = sourceNext;
    int newlines = 0;
    for (uint8_t blank; (blank = byteClasses.blank[*p]) != 0; p++)
        newlines += blank - 1;
    lineNumber += newlines;
    sourceNext = p;
}


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
        // The digits that follow in the block, and when the character after
        // them is there too and is not '.', the end of the number.
        if (pushedBackCount == 0) {
            const unsigned char* p = sourceNext;
            for (; isDigit(*p); p++) {
                appendNumberText(*p);
                v = v * 10u + static_cast<uint32_t>(*p - '0');
            }
            sourceNext = p;
            if (p != sourceLimit && *p != '.') {
                int end = static_cast<int8_t>(*p);
                giveBackAt(p);
                *value = v;
                return end;
            }
        }
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
    lexeme[length++] = static_cast<char>(c);
    // The rest of the name as far as the block holds it, then character by
    // character across the end of the block.
    // When the whole name is in the block, its hash is built on the way.
    bool ended = false;
    uint32_t hash = nameHashStep(NAME_HASH_START, static_cast<unsigned char>(first));
    if (pushedBackCount == 0) {
        const unsigned char* p = sourceNext;
        while (byteClasses.name[*p]) {
            if (length == LEXEME_SIZE - 1)
                fatalError("compiler error");
            hash = nameHashStep(hash, *p);
            lexeme[length++] = static_cast<char>(*p++);
        }
        sourceNext = p;
        if (p != sourceLimit) {
            giveBackAt(p);
            ended = true;
        }
    }
    if (!ended) {
        c = readChar();
        while (isNameCharacter(c)) {
            if (length == LEXEME_SIZE - 1)
                fatalError("compiler error");
            lexeme[length++] = static_cast<char>(c);
            c = readChar();
        }
        unreadChar(c);
    }
    lexeme[length] = '\0';

    int32_t index;
    if (symbolTable.declarationMode != 0) {
        if (lookupInCurrentScope(lexeme) != 0)
            fatalError("symbol redefinition");
        index = lookupForDeclaration(lexeme);
    } else {
        index = ended ? lookupSymbol(lexeme, hash) : lookupSymbol(lexeme);
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

// Operator spellings can only match predefined entries, since the names the
// scanner enters are made of letters, digits and '_', and those entries
// stay the same for the whole run: each spelling is looked up once and its
// entry kept (0: not looked up yet, -1: no entry), by the first character
// and, for two-character spellings, the second as a byte (a table of 64 KB
// of which a run touches the few pages its operators use).
constexpr int OPERATOR_CHARACTERS = 128;  // the first character is printable
static_assert(SYMBOL_TABLE_SIZE <= 32767, "entries are kept as 16-bit numbers");
int16_t singleEntry[OPERATOR_CHARACTERS];
int16_t pairEntries[OPERATOR_CHARACTERS][256];

int32_t lookupOperator()
{
    int32_t index = lookupSymbol(lexeme);
    return index != 0 ? index : -1;
}

// The entry of the two characters in lexeme, first and second, or 0.
int32_t pairEntry(int first, int second)
{
    int16_t& kept = pairEntries[first][static_cast<uint8_t>(second)];
    if (kept == 0)
        kept = static_cast<int16_t>(lookupOperator());
    return kept > 0 ? kept : 0;
}

// An operator, first character in hand: the two-character spelling if there
// is one, else the single character's, else the character's own code. (An
// operator whose spellings are known already is read by nextToken itself.)
TokenCode scanOperator(int first)
{
    int second = readChar();
    lexeme[0] = static_cast<char>(first);
    lexeme[1] = static_cast<char>(second);
    lexeme[2] = '\0';
    int32_t index = pairEntry(first, second);
    if (index != 0)
        return symbolAt(index).token;
    unreadChar(second);
    lexeme[1] = '\0';
    if (singleEntry[first] == 0)
        singleEntry[first] = static_cast<int16_t>(lookupOperator());
    index = singleEntry[first];
    if (index > 0)
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
    sourceNext = sourceBlock;  // nothing read ahead: the next character comes from sourceFile
    sourceLimit = sourceBlock;
    clearTokenValues();
    lexeme[0] = '\0';
    startNumberText();
}

int readChar()
{
    if (pushedBackCount > 0)
        return pushedBack[--pushedBackCount];
    if (sourceNext == sourceLimit && !refillSource())
        return END_OF_INPUT;
    return static_cast<int8_t>(*sourceNext++);
}

// White space and the end of input are not given back; a newline is counted
// now, since it will not be read again.
void unreadChar(int c)
{
    int given = givenBackClass(c);
    lineNumber += given >> 1;
    if (given != 0)
        return;
    if (pushedBackCount == PUSHBACK_SIZE)
        fatalError("compiler error");
    pushedBack[pushedBackCount++] = c;
}

namespace {

// nextToken the general way: a newline still to count, characters given
// back, comments, the end of the block or of the input.
[[gnu::noinline]] TokenCode nextTokenInGeneral()
{
    int c;
    if (pendingNewline != 0) {
        c = '\n';
        pendingNewline = 0;
    } else {
        c = readChar();
    }

    for (;;) {
        if (int blank = blankClass(c); blank != 0) {
            lineNumber += blank >> 1;
            if (pushedBackCount == 0)
                skipBlanksInBlock();
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

}  // namespace

TokenCode nextToken()
{
    // The common case: nothing given back, and the blanks and the first
    // character of the token are in the block.
    if (pendingNewline == 0 && pushedBackCount == 0) {
        skipBlanksInBlock();
        const unsigned char* p = sourceNext;
        if (p != sourceLimit) {
            int first = *p;
            uint8_t start = byteClasses.start[first];
            if (start != START_OTHER) {
                sourceNext = p + 1;
                clearTokenValues();
                if (start == START_NAME)
                    return scanName(first);
                if (start == START_NUMBER)
                    return scanNumber(first);
                // An operator whose spellings have been looked up before.
                if (p + 1 != sourceLimit) {
                    int16_t pair = pairEntries[first][p[1]];
                    if (pair > 0) {
                        lexeme[0] = static_cast<char>(first);
                        lexeme[1] = static_cast<char>(p[1]);
                        lexeme[2] = '\0';
                        sourceNext = p + 2;
                        return symbolAt(pair).token;
                    }
                    int16_t single = singleEntry[first];
                    if (pair < 0 && single != 0) {
                        lexeme[0] = static_cast<char>(first);
                        lexeme[1] = '\0';
                        lexeme[2] = '\0';
                        giveBackAt(p + 1);
                        return single > 0 ? symbolAt(single).token : first;
                    }
                }
                return scanOperator(first);
            }
        }
    }
    return nextTokenInGeneral();
}
