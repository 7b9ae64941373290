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

// Writes a data directive (the label, if any, is already written).
void writeData(const std::string& directive, const std::string& arguments)
{
    const std::string& items = arguments;
    if (directive == "DS") {
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
    std::string address = renameSymbols(argument);
    defineTemporaries();
    emit(".assert * = %s, error, \"the program must be linked at its ORG address\"\n", address.c_str());
    emit(".org %s", address.c_str());
    if (!originSeen) {
        originSeen = true;
        emit("\nq_origin:");
    }
}

// The operation of a line that the reader accepted: an instruction, a
// directive, or inline text that the bridge passes through.
void writeOperation(const SourceLine& line)
{
    switch (line.kind) {
    case LINE_INSTRUCTION: {
        std::string operand = translateOperand(line.operation, line.operand);
        if (operand.empty())
            emit("\t%s", line.operation.c_str());
        else
            emit("\t%s %s", line.operation.c_str(), operand.c_str());
        break;
    }
    case LINE_DATA:
        writeData(upperCase(line.operation), line.operand);
        break;
    case LINE_ORIGIN:
        writeOrigin(line.operand);
        break;
    case LINE_END:
        emit("; END");
        break;
    case LINE_TEXT:
        // Inline assembly that is no 6502 instruction: ca65 reads it itself.
        emit("\t%s", line.text.c_str());
        break;
    default:
        break;
    }
}

} // namespace

void translateLine(const std::string& text)
{
    if (text.size() > MAX_LINE_LENGTH) {
        reportLineError("line too long");
        return;
    }
    SourceLine line = readSourceLine(text);
    if (line.kind == LINE_COMMENT) {
        emit(";%s\n", line.comment.c_str());
        return;
    }
    if (!line.label.empty())
        definedNames.insert(line.label);
    if (line.kind == LINE_EQUATE && !line.label.empty() && !line.labelColon) {
        // NAME EQU value: written only when it has a value.
        if (line.error.empty())
            emit("%s = %s", symbolName(line.label).c_str(), renameSymbols(line.operand).c_str());
    } else if (!line.label.empty()) {
        emit("%s:", symbolName(line.label).c_str());
    }
    if (!line.error.empty())
        reportLineError(line.error.c_str());
    else if (line.kind != LINE_EQUATE && line.kind != LINE_LABEL)
        writeOperation(line);
    endLine(line.hasComment, line.comment);
}

void finishTranslation() { defineTemporaries(); }
