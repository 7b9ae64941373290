// Scanner (not yet written).
#include "driver/driver.h"
#include "lexer/lexer.h"

FILE* sourceFile;
int32_t tokenSymbol;
int32_t tokenIntValue;
double tokenFloatValue;
char lexeme[LEXEME_SIZE];
char numberText[NUMBER_TEXT_SIZE];
int32_t numberTextLength;
uint8_t pendingNewline = 1;
int32_t lineNumber;
void resetScanner() { fatalError("not implemented"); }
TokenCode nextToken() { fatalError("not implemented"); }
void unreadChar(int) { fatalError("not implemented"); }
int readChar() { fatalError("not implemented"); }
