// The line forms of the dialect and their ca65 counterparts: comment lines,
// labels (NAME EQU * and NAME:), equates, data (DFB, DW, DD, DB, DS), the
// origin, instructions with tab-* end-of-line comments, and inline assembly.
#include <cctype>
#include <set>

#include "bridge.h"

namespace {

// Names the input defines, so that the temporaries R2AH...R2FH are defined
// only when the input does not define them itself.
std::set<std::string> definedNames;
bool originSeen = false;
bool temporariesDefined = false;

// Splits a line into its code and its end-of-line comment: a tab followed by
// the comment character *, or a ; outside quotes (written in inline assembly).
void splitComment(const std::string& line, std::string& code, std::string& comment, bool& hasComment)
{
    hasComment = false;
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
            comment = line.substr(i + 1);
            hasComment = true;
            return;
        } else if (c == '\t') {
            size_t next = line.find_first_not_of(" \t", i);
            if (next != std::string::npos && line[next] == '*') {
                code = line.substr(0, i);
                comment = line.substr(next + 1);
                hasComment = true;
                return;
            }
        }
    }
    code = line;
}

// Writes the end of a translated line: its comment, if any, and the newline.
void endLine(bool hasComment, const std::string& comment)
{
    if (hasComment)
        emit("\t;%s\n", comment.c_str());
    else
        emit("\n");
}

// One data value masked to the width of its directive: the compiler writes
// values such as DFB 300 and DW -1, which ca65 refuses as they stand.
std::string dataValue(const std::string& directive, const std::string& item)
{
    long long value;
    if (parseInteger(item, value)) {
        unsigned long long bits = static_cast<unsigned long long>(value);
        if (directive == "DW")
            bits &= 0xFFFFull;
        else if (directive == "DD")
            bits &= 0xFFFFFFFFull;
        else
            bits &= 0xFFull;
        return std::to_string(bits);
    }
    std::string expression = renameSymbols(trim(item));
    if (directive == "DW")
        return ".loword(" + expression + ")";
    if (directive == "DD")
        return expression;
    return "<(.loword(" + expression + "))";
}

bool isDataDirective(const std::string& upper)
{
    return upper == "DFB" || upper == "DB" || upper == "DW" || upper == "DD" || upper == "DS";
}

// Writes a data directive (the label, if any, is already written).
void writeData(const std::string& directive, const std::string& arguments)
{
    std::string items = trim(arguments);
    if (items.empty()) {
        reportLineError("data directive without a value");
        return;
    }
    if (directive == "DS") {
        long long count;
        if (parseInteger(items, count) && count < 0) {
            reportLineError("negative DS count");
            return;
        }
        emit("\t.res %s", renameSymbols(items).c_str());
        return;
    }
    const char* ca65Directive = directive == "DW" ? ".word" : directive == "DD" ? ".dword" : ".byte";
    std::string list;
    size_t start = 0;
    int depth = 0;
    for (size_t i = 0; i <= items.size(); i++) {
        if (i < items.size() && items[i] == '(')
            depth++;
        else if (i < items.size() && items[i] == ')')
            depth--;
        else if (i == items.size() || (items[i] == ',' && depth == 0)) {
            if (!list.empty())
                list += ", ";
            list += dataValue(directive, items.substr(start, i - start));
            start = i + 1;
        }
    }
    emit("\t%s %s", ca65Directive, list.c_str());
}

// The temporaries beyond the named block bytes: the compiler writes R2AH ...
// R2FH for the bytes RAB+0 ... REF+1.
void defineTemporaries()
{
    if (temporariesDefined)
        return;
    temporariesDefined = true;
    if (definedNames.count("R2AH") || !definedNames.count("RAB") || !definedNames.count("RCD") ||
        !definedNames.count("REF"))
        return;
    emit("; temporaries beyond the named block bytes\n");
    emit("R2AH = RAB+0\nR2BH = RAB+1\nR2CH = RCD+0\nR2DH = RCD+1\nR2EH = REF+0\nR2FH = REF+1\n");
}

// ORG: the program is one location counter from this address; the linker must
// place it there, which the assertion checks.
void writeOrigin(const std::string& argument)
{
    std::string address = renameSymbols(trim(argument));
    if (address.empty()) {
        reportLineError("ORG without an address");
        return;
    }
    defineTemporaries();
    emit(".assert * = %s, error, \"the program must be linked at its ORG address\"\n", address.c_str());
    emit(".org %s", address.c_str());
    if (!originSeen) {
        originSeen = true;
        emit("\nq_origin:");
    }
}

// The operation field of a line (after the label, if any): an instruction, a
// directive, or inline text that the bridge passes through.
void writeOperation(const std::string& operation)
{
    std::string text = trim(operation);
    size_t end = 0;
    while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end])))
        end++;
    std::string word = text.substr(0, end);
    std::string arguments = trim(text.substr(end));
    std::string upper = upperCase(word);
    if (isMnemonic(word)) {
        std::string operand = translateOperand(word, arguments);
        if (operand.empty())
            emit("\t%s", word.c_str());
        else
            emit("\t%s %s", word.c_str(), operand.c_str());
    } else if (isDataDirective(upper)) {
        writeData(upper, arguments);
    } else if (upper == "ORG") {
        writeOrigin(arguments);
    } else if (upper == "END") {
        emit("; END");
    } else if (upper == "EQU") {
        reportLineError("EQU without a name");
    } else {
        // Inline assembly that is no 6502 instruction: ca65 reads it itself.
        emit("\t%s", text.c_str());
    }
}

// A line with a name in column 1: a label, an equate, or a label with data or
// an instruction after it.
void writeLabelLine(const std::string& code)
{
    size_t end = 0;
    while (end < code.size() && isNameChar(code[end]))
        end++;
    std::string name = code.substr(0, end);
    if (name.empty() || !isNameStart(name[0])) {
        reportLineError("a name must start the line");
        return;
    }
    if (name.size() > MAX_NAME_LENGTH) {
        reportLineError("name too long");
        return;
    }
    std::string rest = code.substr(end);
    bool colon = !rest.empty() && rest[0] == ':';
    if (colon)
        rest = rest.substr(1);
    else if (!rest.empty() && rest[0] != ' ' && rest[0] != '\t') {
        reportLineError("a name must start the line");
        return;
    }
    rest = trim(rest);
    definedNames.insert(name);
    std::string label = symbolName(name);
    size_t wordEnd = 0;
    while (wordEnd < rest.size() && !std::isspace(static_cast<unsigned char>(rest[wordEnd])))
        wordEnd++;
    std::string word = upperCase(rest.substr(0, wordEnd));
    std::string arguments = trim(rest.substr(wordEnd));
    if (!colon && word == "EQU") {
        if (arguments.empty()) {
            reportLineError("EQU without a value");
            return;
        }
        if (arguments == "*")
            emit("%s:", label.c_str());
        else
            emit("%s = %s", label.c_str(), renameSymbols(arguments).c_str());
        return;
    }
    emit("%s:", label.c_str());
    if (!rest.empty())
        writeOperation(rest);
}

} // namespace

void translateLine(const std::string& line)
{
    if (line.size() > MAX_LINE_LENGTH) {
        reportLineError("line too long");
        return;
    }
    if (line.empty()) {
        emit("\n");
        return;
    }
    if (line[0] == '*' || line[0] == ';') {
        emit(";%s\n", line.substr(1).c_str());
        return;
    }
    std::string code, comment;
    bool hasComment;
    splitComment(line, code, comment, hasComment);
    if (line[0] == ' ' || line[0] == '\t') {
        if (!trim(code).empty())
            writeOperation(code);
    } else {
        writeLabelLine(code);
    }
    endLine(hasComment, comment);
}

void finishTranslation() { defineTemporaries(); }
