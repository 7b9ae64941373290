// --cpp: the C preprocessor runs first, keeping its line markers (the
// compiler reads a # line as a comment), and every "line N" of the
// compiler's messages is mapped back through those markers to the file and
// line the user wrote.
#include <cstdlib>

#include "cc.h"

namespace {

// Where each line of program.i came from: file index and line, by line of
// program.i (index 0 is its line 1). Empty without --cpp.
struct Origin {
    size_t file;
    long line;
};
std::vector<Origin> lineOrigins;
std::vector<std::string> fileNames;

// Reads a line marker `# N "file" flags...`; false for any other line.
bool parseMarker(const std::string& line, long& number, std::string& file)
{
    size_t i = 0;
    if (line.compare(0, 2, "# ") == 0)
        i = 2;
    else if (line.compare(0, 6, "#line ") == 0)
        i = 6;
    else
        return false;
    if (i >= line.size() || line[i] < '0' || line[i] > '9')
        return false;
    number = 0;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9' && number < 100000000)
        number = number * 10 + (line[i++] - '0');
    if (line.compare(i, 2, " \"") != 0)
        return false;
    file.clear();
    for (i += 2; i < line.size() && line[i] != '"'; i++) {
        if (line[i] == '\\' && i + 1 < line.size())
            i++;
        file += line[i];
    }
    return i < line.size();
}

void readMarkers(const std::string& text)
{
    size_t current = 0;
    long nextLine = 1;
    fileNames.push_back("?");
    for (const std::string& line : splitLines(text)) {
        long number;
        std::string file;
        // A marker line itself continues the region before it, so that a
        // message one line past the end of an included file names its end.
        lineOrigins.push_back({current, nextLine});
        if (parseMarker(line, number, file)) {
            size_t index = 0;
            while (index < fileNames.size() && fileNames[index] != file)
                index++;
            if (index == fileNames.size())
                fileNames.push_back(file);
            current = index;
            nextLine = number;
        } else {
            nextLine++;
        }
    }
}

} // namespace

std::string preprocess(const Options& options)
{
    std::vector<std::string> arguments{"cpp", "-undef", "-D__QUARN__=1"};
    arguments.insert(arguments.end(), options.cppArguments.begin(), options.cppArguments.end());
    std::string input = options.input;
    if (input[0] == '-')
        input = "./" + input;
    arguments.push_back(input);
    arguments.push_back("-o");
    arguments.push_back(workFile("program.i"));
    int status = runProgram(arguments, "", showLine, EXIT_COMPILE);
    if (status != 0)
        fail(EXIT_COMPILE, "preprocessing {} failed (status {})", options.input, status);
    keepFile("program.i");
    readMarkers(readFile(workFile("program.i"), EXIT_COMPILE));
    return workFile("program.i");
}

std::string mapLineNumber(const std::string& line)
{
    if (lineOrigins.empty() || line.compare(0, 5, "line ") != 0)
        return line;
    size_t i = 5;
    long number = 0;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9' && number < 100000000)
        number = number * 10 + (line[i++] - '0');
    if (i == 5 || line.compare(i, 2, ": ") != 0 || number < 1)
        return line;
    // Past the end of program.i: counted on from its last line.
    long count = static_cast<long>(lineOrigins.size());
    const Origin& origin = lineOrigins[static_cast<size_t>(std::min(number, count) - 1)];
    long mapped = origin.line + (number > count ? number - count : 0);
    return fmt::format("{}:{}: {}", fileNames[origin.file], mapped, line.substr(i + 2));
}
