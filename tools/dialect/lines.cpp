// One line of the dialect: read from its file, then the end-of-line comment
// split off, the label in column 1, the operation and its operand, and the
// kind of the line.
#include <cctype>

#include "dialect.h"

namespace {

// Splits a line into its code and its end-of-line comment: a tab followed by
// the comment character *, or a ; outside quotes (written in inline assembly).
void splitComment(const std::string& line, SourceLine& result, std::string& code)
{
    char quote = 0;
    for (size_t i = 0; i < line.size(); i++) {
        char c = line[i];
        if (quote) {
            if (c == quote)
                quote = 0;
            continue;
        }
        if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == ';') {
            code = line.substr(0, i);
            result.comment = line.substr(i + 1);
            result.hasComment = true;
            return;
        } else if (c == '\t') {
            size_t next = line.find_first_not_of(" \t", i);
            if (next != std::string::npos && line[next] == '*') {
                code = line.substr(0, i);
                result.comment = line.substr(next + 1);
                result.hasComment = true;
                return;
            }
        }
    }
    code = line;
}

// The first word of a field and the rest after it, trimmed.
void splitWord(const std::string& field, std::string& word, std::string& rest)
{
    size_t end = 0;
    while (end < field.size() && !std::isspace(static_cast<unsigned char>(field[end])))
        end++;
    word = field.substr(0, end);
    rest = trim(field.substr(end));
}

// The operation field (after the label, if any): an instruction, a directive,
// or inline text.
void readOperation(const std::string& field, SourceLine& result)
{
    std::string text = trim(field);
    splitWord(text, result.operation, result.operand);
    std::string upper = upperCase(result.operation);
    if (isMnemonic(upper)) {
        result.kind = LINE_INSTRUCTION;
    } else if (isDataDirective(upper)) {
        result.kind = LINE_DATA;
        long long count;
        if (result.operand.empty())
            result.error = "data directive without a value";
        else if (upper == "DS" && parseInteger(result.operand, count) && count < 0)
            result.error = "negative DS count";
    } else if (upper == "ORG") {
        result.kind = LINE_ORIGIN;
        if (result.operand.empty())
            result.error = "ORG without an address";
    } else if (upper == "END") {
        result.kind = LINE_END;
    } else if (upper == "EQU") {
        result.kind = LINE_EQUATE;
        result.error = "EQU without a name";
    } else {
        result.kind = LINE_TEXT;
        result.text = text;
    }
}

// A line with a name in column 1: a label, an equate, or a label with data or
// an instruction after it. A fault in the name leaves the label empty.
void readLabelLine(const std::string& code, SourceLine& result)
{
    result.kind = LINE_LABEL;
    size_t end = 0;
    while (end < code.size() && isNameChar(code[end]))
        end++;
    std::string name = code.substr(0, end);
    if (name.empty() || !isNameStart(name[0])) {
        result.error = "a name must start the line";
        return;
    }
    if (name.size() > MAX_NAME_LENGTH) {
        result.error = "name too long";
        return;
    }
    std::string rest = code.substr(end);
    bool colon = !rest.empty() && rest[0] == ':';
    if (colon) {
        rest = rest.substr(1);
    } else if (!rest.empty() && rest[0] != ' ' && rest[0] != '\t') {
        result.error = "a name must start the line";
        return;
    }
    rest = trim(rest);
    result.label = name;
    result.labelColon = colon;
    std::string word, arguments;
    splitWord(rest, word, arguments);
    if (!colon && upperCase(word) == "EQU") {
        result.operation = word;
        result.operand = arguments;
        if (arguments.empty()) {
            result.kind = LINE_EQUATE;
            result.error = "EQU without a value";
        } else if (arguments == "*") {
            result.kind = LINE_LABEL;
        } else {
            result.kind = LINE_EQUATE;
        }
        return;
    }
    if (!rest.empty())
        readOperation(rest, result);
}

} // namespace

bool readLine(FILE* file, std::string& text)
{
    text.clear();
    int c;
    bool any = false;
    while ((c = fgetc(file)) != EOF) {
        any = true;
        if (c == '\n')
            break;
        if (text.size() <= MAX_LINE_LENGTH)
            text += static_cast<char>(c);
    }
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
    return any;
}

SourceLine readSourceLine(const std::string& line)
{
    SourceLine result;
    if (line.size() > MAX_LINE_LENGTH) {
        result.error = "line too long";
        return result;
    }
    if (line.empty())
        return result;
    if (line[0] == '*' || line[0] == ';') {
        result.kind = LINE_COMMENT;
        result.hasComment = true;
        result.comment = line.substr(1);
        return result;
    }
    std::string code;
    splitComment(line, result, code);
    if (line[0] == ' ' || line[0] == '\t') {
        if (!trim(code).empty())
            readOperation(code, result);
    } else {
        readLabelLine(code, result);
    }
    return result;
}
