// The scanner on small sources: white space, comments and line counting,
// names and keywords, operators, stray characters, the end of input and the
// push-back, with the fatal stops it raises itself.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "lexer/lexer.h"
#include "symbols/symbols.h"

namespace {

FILE* scannerSource;  // our own stream, so no other test's file is closed

// Starts a compilation over text with a fresh table and scanner state, not in
// declaration mode unless asked.
void startScan(const std::string& text, int declarationMode = 0)
{
    if (scannerSource != nullptr)
        fclose(scannerSource);
    scannerSource = tmpfile();
    ASSERT_NE(scannerSource, nullptr);
    fwrite(text.data(), 1, text.size(), scannerSource);
    rewind(scannerSource);
    sourceFile = scannerSource;
    resetScanner();
    initSymbolTable();
    symbolTable.declarationMode = declarationMode;
}

// Scans text to the end and returns every code, ENDFILE excluded.
std::vector<TokenCode> codesOf(const std::string& text)
{
    startScan(text);
    std::vector<TokenCode> codes;
    for (TokenCode code = nextToken(); code != ENDFILE && codes.size() < 100; code = nextToken())
        codes.push_back(code);
    return codes;
}

using Codes = std::vector<TokenCode>;

}  // namespace

TEST(ScannerEndOfInput, EmptySourceIsEndfileOnLineOneAgainAndAgain)
{
    startScan("");
    EXPECT_EQ(nextToken(), 128);
    EXPECT_EQ(lineNumber, 1);
    EXPECT_EQ(nextToken(), 128);
    EXPECT_EQ(nextToken(), 128);
    EXPECT_EQ(lineNumber, 1);
}

TEST(ScannerEndOfInput, ByteOf255EndsTheInput)
{
    startScan("a \xff b");
    EXPECT_EQ(nextToken(), ID);
    EXPECT_EQ(nextToken(), ENDFILE);
    EXPECT_EQ(tokenSymbol, 0);
}

TEST(ScannerEndOfInput, WhiteSpaceOnlyCountsEveryLine)
{
    startScan(" \t\r\n\n  \r\n");
    EXPECT_EQ(nextToken(), ENDFILE);
    EXPECT_EQ(lineNumber, 4);
}

TEST(ScannerComments, SlashSlashRunsToTheNewline)
{
    startScan("x//c\ny");
    EXPECT_EQ(nextToken(), ID);
    EXPECT_STREQ(lexeme, "x");
    EXPECT_EQ(lineNumber, 1);
    EXPECT_EQ(nextToken(), ID);
    EXPECT_STREQ(lexeme, "y");
    EXPECT_EQ(lineNumber, 2);
    EXPECT_EQ(nextToken(), ENDFILE);
}

TEST(ScannerComments, HashLinesAreIgnoredWherever)
{
    EXPECT_EQ(codesOf("#define N 3"), Codes{});
    EXPECT_EQ(codesOf("#include <stdio.h>\n#define N 3\n"), Codes{});
    EXPECT_EQ(lineNumber, 3);
    // A '#' in mid-line starts a comment too.
    EXPECT_EQ(codesOf("a # b c\n;"), (Codes{ID, 173}));
    EXPECT_EQ(lineNumber, 2);
}

TEST(ScannerComments, CommentReachingEndOfInputEndsThere)
{
    EXPECT_EQ(codesOf("x // no newline"), Codes{ID});
    EXPECT_EQ(codesOf("x # no newline"), Codes{ID});
    EXPECT_EQ(lineNumber, 1);
    EXPECT_EQ(codesOf("//"), Codes{});
    EXPECT_EQ(codesOf("#"), Codes{});
    // A byte of 255 inside a comment is the end of input as well.
    EXPECT_EQ(codesOf("a // c \xff\nb"), Codes{ID});
}

TEST(ScannerComments, NoBlockComments)
{
    EXPECT_EQ(codesOf("/* c */"), (Codes{217, 164, ID, 164, 217}));
}

TEST(ScannerComments, SlashAloneIsDivision)
{
    EXPECT_EQ(codesOf("a/b"), (Codes{ID, 217, ID}));
    EXPECT_EQ(codesOf("a / b"), (Codes{ID, 217, ID}));
    EXPECT_EQ(codesOf("a/\nb"), (Codes{ID, 217, ID}));
    EXPECT_EQ(lineNumber, 2);
}

TEST(ScannerLines, NewlineEndingATokenIsCountedOnce)
{
    // The newline after x is given back, and so counted, while x is scanned.
    startScan("x\ny\n\nz");
    EXPECT_EQ(nextToken(), ID);
    EXPECT_EQ(lineNumber, 2);
    EXPECT_EQ(nextToken(), ID);
    EXPECT_EQ(lineNumber, 3);
    EXPECT_EQ(nextToken(), ID);
    EXPECT_EQ(lineNumber, 4);
    EXPECT_EQ(nextToken(), ENDFILE);
    EXPECT_EQ(lineNumber, 4);
}

TEST(ScannerLines, CarriageReturnAndNulAreWhiteSpace)
{
    startScan(std::string("a\r\nb\0c", 6));
    EXPECT_EQ(nextToken(), ID);
    EXPECT_EQ(nextToken(), ID);
    EXPECT_STREQ(lexeme, "b");
    EXPECT_EQ(lineNumber, 2);
    EXPECT_EQ(nextToken(), ID);
    EXPECT_STREQ(lexeme, "c");
    EXPECT_EQ(nextToken(), ENDFILE);
}

TEST(ScannerNames, NewNamesAreEnteredOnceFromIndex98)
{
    startScan("alpha beta alpha _x9");
    EXPECT_EQ(nextToken(), ID);
    EXPECT_EQ(tokenSymbol, 98);
    EXPECT_EQ(nextToken(), ID);
    EXPECT_EQ(tokenSymbol, 99);
    EXPECT_EQ(nextToken(), ID);
    EXPECT_EQ(tokenSymbol, 98);
    EXPECT_EQ(nextToken(), ID);
    EXPECT_EQ(tokenSymbol, 100);
    EXPECT_STREQ(lexeme, "_x9");
    EXPECT_EQ(symbolAt(100).type, 0);
    EXPECT_EQ(symbolAt(100).token, ID);
    EXPECT_EQ(tokenIntValue, 0);
    EXPECT_EQ(tokenFloatValue, 0.0);
}

TEST(ScannerNames, NamesAreCaseSensitiveAndEndAtOtherCharacters)
{
    startScan("Int int a1+b");
    EXPECT_EQ(nextToken(), ID);
    EXPECT_EQ(tokenSymbol, 98);
    EXPECT_EQ(nextToken(), 243);
    EXPECT_EQ(tokenSymbol, 59);
    EXPECT_EQ(nextToken(), ID);
    EXPECT_STREQ(lexeme, "a1");
    EXPECT_EQ(nextToken(), 165);
    EXPECT_EQ(nextToken(), ID);
    EXPECT_STREQ(lexeme, "b");
}

TEST(ScannerNames, KeywordsCarryTheirIndex)
{
    startScan("while _asm asm inpw");
    EXPECT_EQ(nextToken(), 295);
    EXPECT_EQ(tokenSymbol, 92);
    EXPECT_EQ(nextToken(), 182);
    EXPECT_EQ(tokenSymbol, 93);
    EXPECT_EQ(nextToken(), 182);
    EXPECT_EQ(tokenSymbol, 32);
    EXPECT_EQ(nextToken(), 242);
    EXPECT_EQ(tokenSymbol, 95);
}

TEST(ScannerNames, TrueAndFalseAreIntegerConstants)
{
    startScan("true false");
    EXPECT_EQ(nextToken(), ICONST);
    EXPECT_EQ(tokenIntValue, -1);
    EXPECT_EQ(tokenSymbol, 0);
    EXPECT_EQ(nextToken(), ICONST);
    EXPECT_EQ(tokenIntValue, 0);
    EXPECT_EQ(tokenSymbol, 0);
    // In declaration mode too.
    startScan("true", 1);
    EXPECT_EQ(nextToken(), ICONST);
    EXPECT_EQ(tokenIntValue, -1);
}

TEST(ScannerNames, NameOf255CharactersIsAccepted)
{
    std::string name(255, 'n');
    startScan(name + " x");
    EXPECT_EQ(nextToken(), ID);
    EXPECT_EQ(std::string(lexeme), name);
    EXPECT_EQ(std::string(symbolAt(tokenSymbol).name), name);
    EXPECT_EQ(nextToken(), ID);
    EXPECT_STREQ(lexeme, "x");
}

TEST(ScannerNamesDeathTest, NameOf256CharactersIsACompilerError)
{
    startScan("a\n\n" + std::string(256, 'n'));
    EXPECT_EQ(nextToken(), ID);
    EXPECT_EXIT(nextToken(), testing::ExitedWithCode(2), "^line 3: compiler error\n$");
}

TEST(ScannerDeclarations, SecondDeclarationInTheScopeIsFatal)
{
    startScan("x\ny\nx", 1);
    EXPECT_EQ(nextToken(), ID);
    EXPECT_EQ(nextToken(), ID);
    EXPECT_EXIT(nextToken(), testing::ExitedWithCode(2), "^line 3: symbol redefinition\n$");
}

TEST(ScannerDeclarations, KeywordsAreStillFoundInDeclarationMode)
{
    startScan("int char x", 1);
    EXPECT_EQ(nextToken(), 243);
    EXPECT_EQ(nextToken(), 194);
    EXPECT_EQ(nextToken(), ID);
    EXPECT_EQ(tokenSymbol, 98);
}

TEST(ScannerDeclarations, LocalMayReuseAFileLevelName)
{
    startScan("x f x", 1);
    EXPECT_EQ(nextToken(), ID);
    EXPECT_EQ(nextToken(), ID);
    symbolTable.scopeDepth = 2;
    symbolTable.scopeTop[2] = symbolTable.scopeTop[1];
    EXPECT_EQ(nextToken(), ID);
    EXPECT_EQ(tokenSymbol, 100);
    EXPECT_EQ(symbolAt(100).owner, 99);
}

TEST(ScannerDeclarations, OutsideDeclarationModeTheNewestDeclarationIsFound)
{
    startScan("x f x");
    EXPECT_EQ(nextToken(), ID);
    EXPECT_EQ(nextToken(), ID);
    symbolTable.scopeDepth = 2;
    symbolTable.scopeTop[2] = symbolTable.scopeTop[1];
    EXPECT_EQ(nextToken(), ID);
    EXPECT_EQ(tokenSymbol, 98);
}

TEST(ScannerOperators, TwoCharacterOperatorsAreMatchedFirst)
{
    EXPECT_EQ(codesOf("<< >> == != <= >= && ||"), (Codes{158, 159, 177, 176, 175, 179, 180, 253}));
    EXPECT_EQ(codesOf("{}[]();:+-*/%^&|~!=<>,"),
              (Codes{184, 228, 160, 161, 162, 163, 173, 171, 165, 167, 164, 217, 246, 188, 185,
                     187, 186, 176, 174, 178, 166}));
}

TEST(ScannerOperators, UnknownPairsSplit)
{
    EXPECT_EQ(codesOf("<>"), (Codes{174, 178}));
    EXPECT_EQ(codesOf("+="), (Codes{165, 172}));
    EXPECT_EQ(codesOf("->"), (Codes{167, 178}));
    EXPECT_EQ(codesOf("++"), (Codes{165, 165}));
    EXPECT_EQ(codesOf("< ="), (Codes{174, 172}));
    EXPECT_EQ(codesOf("=>"), (Codes{172, 178}));
    EXPECT_EQ(codesOf("<<="), (Codes{158, 172}));
    EXPECT_EQ(codesOf("&&&"), (Codes{180, 185}));
    EXPECT_EQ(codesOf("a<b"), (Codes{ID, 174, ID}));
}

TEST(ScannerOperators, EllipsisIsThreeDots)
{
    EXPECT_EQ(codesOf("..."), (Codes{46, 46, 46}));
}

TEST(ScannerOperators, OperatorsHaveNoSymbolAndKeepTheirText)
{
    startScan("x <=");
    EXPECT_EQ(nextToken(), ID);
    EXPECT_NE(tokenSymbol, 0);
    EXPECT_EQ(nextToken(), 175);
    EXPECT_EQ(tokenSymbol, 0);
    EXPECT_EQ(tokenIntValue, 0);
    EXPECT_STREQ(lexeme, "<=");
}

TEST(ScannerCharacters, PunctuationWithoutARowIsItsOwnCode)
{
    startScan("@");
    EXPECT_EQ(nextToken(), 64);
    EXPECT_EQ(tokenSymbol, 0);
    EXPECT_EQ(codesOf("$ ? \\ \" ' ` . @@"), (Codes{'$', '?', '\\', '"', '\'', '`', '.', '@', '@'}));
}

TEST(ScannerCharacters, ControlCharactersAndHighBytesAreSignedCodes)
{
    EXPECT_EQ(codesOf("\v\f\x01\x7f"), (Codes{11, 12, 1, 127}));
    EXPECT_EQ(codesOf("\xc8 \x80\xfe"), (Codes{-56, -128, -2}));
    startScan("x\xc8");
    EXPECT_EQ(nextToken(), ID);
    EXPECT_EQ(nextToken(), -56);
    EXPECT_EQ(tokenSymbol, 0);
}

TEST(ScannerPushBack, TwoCharactersComeBackNewestFirst)
{
    startScan("z");
    pendingNewline = 0;
    unreadChar('a');
    unreadChar('b');
    EXPECT_EQ(readChar(), 'b');
    EXPECT_EQ(readChar(), 'a');
    EXPECT_EQ(readChar(), 'z');
    EXPECT_EQ(readChar(), -1);
    EXPECT_EQ(readChar(), -1);
}

TEST(ScannerPushBack, WhiteSpaceAndEndAreDroppedNewlinesCounted)
{
    startScan("q");
    pendingNewline = 0;
    unreadChar(' ');
    unreadChar('\t');
    unreadChar('\r');
    unreadChar(-1);
    EXPECT_EQ(lineNumber, 0);
    unreadChar('\n');
    EXPECT_EQ(lineNumber, 1);
    EXPECT_EQ(readChar(), 'q');
}

TEST(ScannerPushBack, ReadCharGivesSignedBytes)
{
    startScan("\xc8\xff\x7f");
    EXPECT_EQ(readChar(), -56);
    EXPECT_EQ(readChar(), -1);
    EXPECT_EQ(readChar(), 127);
    EXPECT_EQ(readChar(), -1);
}

TEST(ScannerPushBack, ResetForgetsPushedBackCharacters)
{
    startScan("r");
    unreadChar('a');
    resetScanner();
    EXPECT_EQ(pendingNewline, 1);
    EXPECT_EQ(lineNumber, 0);
    EXPECT_EQ(readChar(), 'r');
}
