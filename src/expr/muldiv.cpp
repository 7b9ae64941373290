// Multiply, divide, modulo and shifts. The 6502 has neither multiply nor
// divide and shifts one bit at a time, so `*`, `/` and `%` become inline
// shift-and-add / shift-and-subtract loops on the work area (default, -I) or
// calls of the runtime routines ZMUL8HELPER ... ZMOD32HELPER (-C); shifts are
// counted loops, unrolled or given a counter when -O sees a constant count.
// All of it is unsigned: `>>` shifts zeros in, a signed dividend is divided
// as its bit pattern.
#include <algorithm>

#include "base/diagnostics.h"
#include "base/options.h"
#include "expr/expr.h"
#include "output/output.h"
#include "stmt/stmt.h"

namespace {

// Unroll limits of the constant shifts: beyond them a counter loop is shorter.
constexpr int32_t UNROLL_LIMIT_WORD = 4;
constexpr int32_t UNROLL_LIMIT_LONG = 2;

// Generates one operand of a two-operand node; a missing child is fatal.
TypeCode generateOperand(ExprNode* child)
{
    if (child == nullptr)
        fatalError("error: expected ID");
    return generateExpression(child);
}

// The result of this family: the larger base type, flags dropped; a pointer
// operand keeps the result a (two-byte) pointer.
TypeCode combinedType(TypeCode left, TypeCode right)
{
    TypeCode result = std::max(baseType(left), baseType(right));
    if (((left | right) & (POINTER | ARRAY)) != 0)
        result |= POINTER;
    return result;
}

// A word request loads only two bytes; a four-byte slot that a template
// reaches through its first word ({}+2, {}+3) has its pending bytes loaded
// here first, in ascending order, so the template never reads a register
// whose value is still a binding.
void loadLongSlot(int first)
{
    wordOperand(first);
    wordOperand(first + 2);
}

// ---- Inline multiply ----------------------------------------------------
// Shift-and-add: the multiplier (right) is shifted right; each 1 bit adds the
// multiplicand (left) into DIVISOR_PRODUCT; the multiplicand shifts left.
// Both operands are in their registers (left flushed, right loaded here).

void multiplyByte(int left, int right)
{
    const int32_t label = labelCounter;
    const char* store = byteOperand(left, false);
    const char* shifted = byteOperand(left, false);
    const char* added = byteOperand(left, false);
    const char* multiplier = byteOperand(right, false);
    emit("* mulb\n LDA #0\n STA DIVISOR_PRODUCT\n LDY #8\nNLL{} EQU *\n LSR {}\n BCC LL{}\n LDA DIVISOR_PRODUCT\n CLC\n ADC {}\n STA DIVISOR_PRODUCT\nLL{} EQU *\n ASL {}\n DEY\n BNE NLL{}\n LDA DIVISOR_PRODUCT\n STA {}\n* mulb\n",
         label, multiplier, label + 1, added, label + 1, shifted, label, store);
}

void multiplyWord(int left, int right)
{
    const int32_t label = labelCounter;
    const char* storeHigh = byteOperand(left + 1, false);
    const char* storeLow = byteOperand(left, false);
    const char* shiftedHigh = wordOperand(left);
    const char* shiftedLow = wordOperand(left);
    const char* addedHigh = byteOperand(left + 1, false);
    const char* addedLow = byteOperand(left, false);
    const char* multiplierLow = wordOperand(right);
    const char* multiplierHigh = wordOperand(right);
    emit("* mulw\n LDA #0\n STA DIVISOR_PRODUCT\n STA DIVISOR_PRODUCT+1\n LDY #16\nNLL{} EQU *\n LSR {}+1\n ROR {}\n BCC LL{}\n LDA DIVISOR_PRODUCT\n CLC\n ADC {}\n STA DIVISOR_PRODUCT\n LDA DIVISOR_PRODUCT+1\n ADC {}\n STA DIVISOR_PRODUCT+1\nLL{} EQU *\n ASL {}\n ROL {}+1\n DEY\n BNE NLL{}\n LDA DIVISOR_PRODUCT\n STA {}\n LDA DIVISOR_PRODUCT+1\n STA {}\n* mulw\n",
         label, multiplierHigh, multiplierLow, label + 1, addedLow, addedHigh, label + 1,
         shiftedLow, shiftedHigh, label, storeLow, storeHigh);
}

// Sixteen operand texts: the whole operand ring, all requested before the
// template is written.
void multiplyLong(int left, int right)
{
    const int32_t label = labelCounter;
    loadLongSlot(right);
    const char* store3 = byteOperand(left + 3, false);
    const char* store2 = byteOperand(left + 2, false);
    const char* store1 = byteOperand(left + 1, false);
    const char* store0 = byteOperand(left, false);
    const char* shifted3 = wordOperand(left);
    const char* shifted2 = wordOperand(left);
    const char* shifted1 = wordOperand(left);
    const char* shifted0 = wordOperand(left);
    const char* added3 = byteOperand(left + 3, false);
    const char* added2 = byteOperand(left + 2, false);
    const char* added1 = byteOperand(left + 1, false);
    const char* added0 = byteOperand(left, false);
    const char* multiplier0 = wordOperand(right);
    const char* multiplier1 = wordOperand(right);
    const char* multiplier2 = wordOperand(right);
    const char* multiplier3 = wordOperand(right);
    emit("* mull\n LDA #0\n STA DIVISOR_PRODUCT\n STA DIVISOR_PRODUCT+1\n STA DIVISOR_PRODUCT+2\n STA DIVISOR_PRODUCT+3\n LDY #32\nNLL{} EQU *\n LSR {}+3\n ROR {}+2\n ROR {}+1\n ROR {}\n BCC LL{}\n LDA DIVISOR_PRODUCT\n CLC\n ADC {}\n STA DIVISOR_PRODUCT\n LDA DIVISOR_PRODUCT+1\n ADC {}\n STA DIVISOR_PRODUCT+1\n LDA DIVISOR_PRODUCT+2\n ADC {}\n STA DIVISOR_PRODUCT+2\n LDA DIVISOR_PRODUCT+3\n ADC {}\n STA DIVISOR_PRODUCT+3\nLL{} EQU *\n ASL {}\n ROL {}+1\n ROL {}+2\n ROL {}+3\n DEY\n BNE NLL{}\n LDA DIVISOR_PRODUCT\n STA {}\n LDA DIVISOR_PRODUCT+1\n STA {}\n LDA DIVISOR_PRODUCT+2\n STA {}\n LDA DIVISOR_PRODUCT+3\n STA {}\n* mull\n",
         label, multiplier3, multiplier2, multiplier1, multiplier0, label + 1,
         added0, added1, added2, added3, label + 1,
         shifted0, shifted1, shifted2, shifted3, label,
         store0, store1, store2, store3);
}

// ---- Inline divide and modulo -------------------------------------------
// Restoring division: the dividend goes to DIVIDEND_REMAINDER, the divisor to
// the upper half of DIVISOR_PRODUCT; each round shifts the quotient left and
// the work divisor right and, when the divisor's upper half is zero and the
// remainder is not below its lower half, subtracts and sets the quotient bit.
// The left operand's first byte is scratch for the borrow test (STA r, SBC r
// gives 0 after a borrow and $FF without one).

void divideByte(bool modulo, int left, int right)
{
    const int32_t label = labelCounter;
    const char* divisor = byteOperand(right, true);
    const char* dividend = byteOperand(left, true);
    if (modulo)
        emit("* modb\n LDA {}\n STA DIVIDEND_REMAINDER\n LDA {}\n STA DIVISOR_PRODUCT+1\n LDA #0\n STA DIVISOR_PRODUCT\n LDY #8\n",
             dividend, divisor);
    else
        emit("* divb\n LDA {}\n STA DIVIDEND_REMAINDER\n LDA {}\n STA DIVISOR_PRODUCT+1\n LDA #0\n STA DIVISOR_PRODUCT\n LDY #8\n",
             dividend, divisor);

    emit("LL{} EQU *\n ASL QUOTIENT_FACTOR\n LSR DIVISOR_PRODUCT+1\n ROR DIVISOR_PRODUCT\n", label);

    const char* store = byteOperand(left, false);
    const char* scratchRead = byteOperand(left, false);
    const char* scratchWrite = byteOperand(left, false);
    if (modulo)
        emit(" LDA #0\n CMP DIVISOR_PRODUCT+1\n BNE LL{}\n LDA DIVIDEND_REMAINDER\n SEC\n SBC DIVISOR_PRODUCT\n STA {}\n SBC {}\t* if carry set, set true\n EOR #$0FF\n BEQ LL{}\n LDA DIVIDEND_REMAINDER\n SEC\n SBC DIVISOR_PRODUCT\n STA DIVIDEND_REMAINDER\n INC QUOTIENT_FACTOR\nLL{} EQU *\n DEY\n BNE LL{}\n LDA DIVIDEND_REMAINDER\n STA {}\n* modb\n",
             label + 1, scratchWrite, scratchRead, label + 1, label + 1, label, store);
    else
        emit(" LDA #0\n CMP DIVISOR_PRODUCT+1\n BNE LL{}\n LDA DIVIDEND_REMAINDER\n SEC\n SBC DIVISOR_PRODUCT\n STA {}\n SBC {}\t* if carry set, set true\n EOR #$0FF\n BEQ LL{}\n LDA DIVIDEND_REMAINDER\n SEC\n SBC DIVISOR_PRODUCT\n STA DIVIDEND_REMAINDER\n INC QUOTIENT_FACTOR\nLL{} EQU *\n DEY\n BNE LL{}\n LDA QUOTIENT_FACTOR\n STA {}\n* divb\n",
             label + 1, scratchWrite, scratchRead, label + 1, label + 1, label, store);
}

void divideWord(bool modulo, int left, int right)
{
    const int32_t label = labelCounter;
    const char* divisorHigh = byteOperand(right + 1, true);
    const char* divisorLow = byteOperand(right, true);
    const char* dividendHigh = byteOperand(left + 1, true);
    const char* dividendLow = byteOperand(left, true);
    if (modulo)
        emit("* modw\n LDA {}\n STA DIVIDEND_REMAINDER\n LDA {}\n STA DIVIDEND_REMAINDER+1\n LDA {}\n STA DIVISOR_PRODUCT+2\n LDA {}\n STA DIVISOR_PRODUCT+3\n LDA #0\n STA DIVISOR_PRODUCT\n STA DIVISOR_PRODUCT+1\n LDY #16\n",
             dividendLow, dividendHigh, divisorLow, divisorHigh);
    else
        emit("* divw\n LDA {}\n STA DIVIDEND_REMAINDER\n LDA {}\n STA DIVIDEND_REMAINDER+1\n LDA {}\n STA DIVISOR_PRODUCT+2\n LDA {}\n STA DIVISOR_PRODUCT+3\n LDA #0\n STA DIVISOR_PRODUCT\n STA DIVISOR_PRODUCT+1\n LDY #16\n",
             dividendLow, dividendHigh, divisorLow, divisorHigh);

    emit("LL{} EQU *\n ASL QUOTIENT_FACTOR\n ROL QUOTIENT_FACTOR+1\n LSR DIVISOR_PRODUCT+3\n ROR DIVISOR_PRODUCT+2\n ROR DIVISOR_PRODUCT+1\n ROR DIVISOR_PRODUCT\n",
         label);

    const char* storeHigh = wordOperand(left);
    const char* storeLow = wordOperand(left);
    const char* scratchRead = byteOperand(left, false);
    const char* scratchWrite = byteOperand(left, false);
    if (modulo)
        emit(" LDA #0\n CMP DIVISOR_PRODUCT+3\n BNE LL{}\n CMP DIVISOR_PRODUCT+2\n BNE LL{}\n LDA DIVIDEND_REMAINDER\n SEC\n SBC DIVISOR_PRODUCT\n LDA DIVIDEND_REMAINDER+1\n SBC DIVISOR_PRODUCT+1\n STA {}\n SBC {}\t* if carry set, set true\n EOR #$0FF\n BEQ LL{}\n LDA DIVIDEND_REMAINDER\n SEC\n SBC DIVISOR_PRODUCT\n STA DIVIDEND_REMAINDER\n LDA DIVIDEND_REMAINDER+1\n SBC DIVISOR_PRODUCT+1\n STA DIVIDEND_REMAINDER+1\n INC QUOTIENT_FACTOR\nLL{} EQU *\n DEY\n BNE LL{}\n LDA DIVIDEND_REMAINDER\n STA {}\n LDA DIVIDEND_REMAINDER+1\n STA {}+1\n* modw\n",
             label + 1, label + 1, scratchWrite, scratchRead, label + 1, label + 1, label,
             storeLow, storeHigh);
    else
        emit(" LDA #0\n CMP DIVISOR_PRODUCT+3\n BNE LL{}\n CMP DIVISOR_PRODUCT+2\n BNE LL{}\n LDA DIVIDEND_REMAINDER\n SEC\n SBC DIVISOR_PRODUCT\n LDA DIVIDEND_REMAINDER+1\n SBC DIVISOR_PRODUCT+1\n STA {}\n SBC {}\t* if carry set, set true\n EOR #$0FF\n BEQ LL{}\n LDA DIVIDEND_REMAINDER\n SEC\n SBC DIVISOR_PRODUCT\n STA DIVIDEND_REMAINDER\n LDA DIVIDEND_REMAINDER+1\n SBC DIVISOR_PRODUCT+1\n STA DIVIDEND_REMAINDER+1\n INC QUOTIENT_FACTOR\nLL{} EQU *\n DEY\n BNE LL{}\n LDA QUOTIENT_FACTOR\n STA {}\n LDA QUOTIENT_FACTOR+1\n STA {}+1\n* divw\n",
             label + 1, label + 1, scratchWrite, scratchRead, label + 1, label + 1, label,
             storeLow, storeHigh);
}

// The four-byte divide carries the same comment words as the two-byte one.
void divideLong(bool modulo, int left, int right)
{
    const int32_t label = labelCounter;
    const char* divisor3 = byteOperand(right + 3, true);
    const char* divisor2 = byteOperand(right + 2, true);
    const char* divisor1 = byteOperand(right + 1, true);
    const char* divisor0 = byteOperand(right, true);
    const char* dividend3 = byteOperand(left + 3, true);
    const char* dividend2 = byteOperand(left + 2, true);
    const char* dividend1 = byteOperand(left + 1, true);
    const char* dividend0 = byteOperand(left, true);
    if (modulo)
        emit("* modw\n LDA {}\n STA DIVIDEND_REMAINDER\n LDA {}\n STA DIVIDEND_REMAINDER+1\n LDA {}\n STA DIVIDEND_REMAINDER+2\n LDA {}\n STA DIVIDEND_REMAINDER+3\n LDA {}\n STA DIVISOR_PRODUCT+4\n LDA {}\n STA DIVISOR_PRODUCT+5\n LDA {}\n STA DIVISOR_PRODUCT+6\n LDA {}\n STA DIVISOR_PRODUCT+7\n LDA #0\n STA DIVISOR_PRODUCT\n STA DIVISOR_PRODUCT+1\n STA DIVISOR_PRODUCT+2\n STA DIVISOR_PRODUCT+3\n LDY #32\n",
             dividend0, dividend1, dividend2, dividend3, divisor0, divisor1, divisor2, divisor3);
    else
        emit("* divw\n LDA {}\n STA DIVIDEND_REMAINDER\n LDA {}\n STA DIVIDEND_REMAINDER+1\n LDA {}\n STA DIVIDEND_REMAINDER+2\n LDA {}\n STA DIVIDEND_REMAINDER+3\n LDA {}\n STA DIVISOR_PRODUCT+4\n LDA {}\n STA DIVISOR_PRODUCT+5\n LDA {}\n STA DIVISOR_PRODUCT+6\n LDA {}\n STA DIVISOR_PRODUCT+7\n LDA #0\n STA DIVISOR_PRODUCT\n STA DIVISOR_PRODUCT+1\n STA DIVISOR_PRODUCT+2\n STA DIVISOR_PRODUCT+3\n LDY #32\n",
             dividend0, dividend1, dividend2, dividend3, divisor0, divisor1, divisor2, divisor3);

    emit("LL{} EQU *\n ASL QUOTIENT_FACTOR\n ROL QUOTIENT_FACTOR+1\n ROL QUOTIENT_FACTOR+2\n ROL QUOTIENT_FACTOR+3\n LSR DIVISOR_PRODUCT+7\n ROR DIVISOR_PRODUCT+6\n ROR DIVISOR_PRODUCT+5\n ROR DIVISOR_PRODUCT+4\n ROR DIVISOR_PRODUCT+3\n ROR DIVISOR_PRODUCT+2\n ROR DIVISOR_PRODUCT+1\n ROR DIVISOR_PRODUCT\n",
         label);

    const char* store3 = wordOperand(left);
    const char* store2 = wordOperand(left);
    const char* store1 = wordOperand(left);
    const char* store0 = wordOperand(left);
    const char* scratchRead = byteOperand(left, false);
    const char* scratchWrite = byteOperand(left, false);
    if (modulo)
        emit(" LDA #0\n CMP DIVISOR_PRODUCT+7\n BNE LL{}\n CMP DIVISOR_PRODUCT+6\n BNE LL{}\n CMP DIVISOR_PRODUCT+5\n BNE LL{}\n CMP DIVISOR_PRODUCT+4\n BNE LL{}\n LDA DIVIDEND_REMAINDER\n SEC\n SBC DIVISOR_PRODUCT\n LDA DIVIDEND_REMAINDER+1\n SBC DIVISOR_PRODUCT+1\n LDA DIVIDEND_REMAINDER+2\n SBC DIVISOR_PRODUCT+2\n LDA DIVIDEND_REMAINDER+3\n SBC DIVISOR_PRODUCT+3\n STA {}\n SBC {}\t* if carry set, set true\n EOR #$0FF\n BEQ LL{}\n LDA DIVIDEND_REMAINDER\n SEC\n SBC DIVISOR_PRODUCT\n STA DIVIDEND_REMAINDER\n LDA DIVIDEND_REMAINDER+1\n SBC DIVISOR_PRODUCT+1\n STA DIVIDEND_REMAINDER+1\n LDA DIVIDEND_REMAINDER+2\n SBC DIVISOR_PRODUCT+2\n STA DIVIDEND_REMAINDER+2\n LDA DIVIDEND_REMAINDER+3\n SBC DIVISOR_PRODUCT+3\n STA DIVIDEND_REMAINDER+3\n INC QUOTIENT_FACTOR\nLL{} EQU *\n DEY\n BNE LL{}\n LDA DIVIDEND_REMAINDER\n STA {}\n LDA DIVIDEND_REMAINDER+1\n STA {}+1\n LDA DIVIDEND_REMAINDER+2\n STA {}+2\n LDA DIVIDEND_REMAINDER+3\n STA {}+3\n* modw\n",
             label + 1, label + 1, label + 1, label + 1, scratchWrite, scratchRead, label + 1,
             label + 1, label, store0, store1, store2, store3);
    else
        emit(" LDA #0\n CMP DIVISOR_PRODUCT+7\n BNE LL{}\n CMP DIVISOR_PRODUCT+6\n BNE LL{}\n CMP DIVISOR_PRODUCT+5\n BNE LL{}\n CMP DIVISOR_PRODUCT+4\n BNE LL{}\n LDA DIVIDEND_REMAINDER\n SEC\n SBC DIVISOR_PRODUCT\n LDA DIVIDEND_REMAINDER+1\n SBC DIVISOR_PRODUCT+1\n LDA DIVIDEND_REMAINDER+2\n SBC DIVISOR_PRODUCT+2\n LDA DIVIDEND_REMAINDER+3\n SBC DIVISOR_PRODUCT+3\n STA {}\n SBC {}\t* if carry set, set true\n EOR #$0FF\n BEQ LL{}\n LDA DIVIDEND_REMAINDER\n SEC\n SBC DIVISOR_PRODUCT\n STA DIVIDEND_REMAINDER\n LDA DIVIDEND_REMAINDER+1\n SBC DIVISOR_PRODUCT+1\n STA DIVIDEND_REMAINDER+1\n LDA DIVIDEND_REMAINDER+2\n SBC DIVISOR_PRODUCT+2\n STA DIVIDEND_REMAINDER+2\n LDA DIVIDEND_REMAINDER+3\n SBC DIVISOR_PRODUCT+3\n STA DIVIDEND_REMAINDER+3\n INC QUOTIENT_FACTOR\nLL{} EQU *\n DEY\n BNE LL{}\n LDA QUOTIENT_FACTOR\n STA {}\n LDA QUOTIENT_FACTOR+1\n STA {}+1\n LDA QUOTIENT_FACTOR+2\n STA {}+2\n LDA QUOTIENT_FACTOR+3\n STA {}+3\n* divw\n",
             label + 1, label + 1, label + 1, label + 1, scratchWrite, scratchRead, label + 1,
             label + 1, label, store0, store1, store2, store3);
}

// ---- Runtime routine calls (-C) -----------------------------------------

// Pushes the two argument bytes (left, then right) and calls the one-byte
// routine; the result comes back in BL.
void callByteHelper(int32_t op, int left, int right)
{
    const char* second = byteOperand(right, false);
    const char* first = byteOperand(left, false);
    if (op == STAR)
        emit(" LDA {}\n PHA\n LDA {}\n PHA\n JSR ZMUL8HELPER\n STX BP\n TSX\n INX\n INX\n TXS\n LDX BP\n",
             first, second);
    else if (op == SLASH)
        emit(" LDA {}\n PHA\n LDA {}\n PHA\n JSR ZDIV8HELPER\n STX BP\n TSX\n INX\n INX\n TXS\n LDX BP\n",
             first, second);
    else
        emit(" LDA {}\n PHA\n LDA {}\n PHA\n JSR ZMOD8HELPER\n STX BP\n TSX\n INX\n INX\n TXS\n LDX BP\n",
             first, second);
}

// Pushes the left and the right word (high byte first) and calls the
// two-byte routine; the result comes back in BX.
void callWordHelper(int32_t op, int left, int right)
{
    const char* secondLow = wordOperand(right);
    const char* secondHigh = wordOperand(right);
    const char* firstLow = wordOperand(left);
    const char* firstHigh = wordOperand(left);
    if (op == STAR)
        emit(" LDA {}+1\n PHA\n LDA {}\n PHA\n LDA {}+1\n PHA\n LDA {}\n PHA\n JSR ZMUL16HELPER\n STX BP\n TSX\n INX\n INX\n INX\n INX\n TXS\n LDX BP\n",
             firstHigh, firstLow, secondHigh, secondLow);
    else if (op == SLASH)
        emit(" LDA {}+1\n PHA\n LDA {}\n PHA\n LDA {}+1\n PHA\n LDA {}\n PHA\n JSR ZDIV16HELPER\n STX BP\n TSX\n INX\n INX\n INX\n INX\n TXS\n LDX BP\n",
             firstHigh, firstLow, secondHigh, secondLow);
    else
        emit(" LDA {}+1\n PHA\n LDA {}\n PHA\n LDA {}+1\n PHA\n LDA {}\n PHA\n JSR ZMOD16HELPER\n STX BP\n TSX\n INX\n INX\n INX\n INX\n TXS\n LDX BP\n",
             firstHigh, firstLow, secondHigh, secondLow);
}

// The four-byte routines take the right operand (its two words) as their
// four argument bytes; the left operand was saved just above them and its
// saved bytes receive the result.
void callLongHelper(int32_t op, int right)
{
    const char* secondLow = wordOperand(right + 2);
    const char* secondHigh = wordOperand(right + 2);
    const char* firstLow = wordOperand(right);
    const char* firstHigh = wordOperand(right);
    if (op == STAR)
        emit(" LDA {}+1\n PHA\n LDA {}\n PHA\n LDA {}+1\n PHA\n LDA {}\n PHA\n JSR ZMUL32HELPER\n STX BP\n TSX\n INX\n INX\n INX\n INX\n TXS\n LDX BP\n",
             firstHigh, firstLow, secondHigh, secondLow);
    else if (op == SLASH)
        emit(" LDA {}+1\n PHA\n LDA {}\n PHA\n LDA {}+1\n PHA\n LDA {}\n PHA\n JSR ZDIV32HELPER\n STX BP\n TSX\n INX\n INX\n INX\n INX\n TXS\n LDX BP\n",
             firstHigh, firstLow, secondHigh, secondLow);
    else
        emit(" LDA {}+1\n PHA\n LDA {}\n PHA\n LDA {}+1\n PHA\n LDA {}\n PHA\n JSR ZMOD32HELPER\n STX BP\n TSX\n INX\n INX\n INX\n INX\n TXS\n LDX BP\n",
             firstHigh, firstLow, secondHigh, secondLow);
}

// Save-and-call: every live word below the left operand goes on the stack
// (top one first), the routine is called, its result in BX is copied into
// slot t, and the saved words are pulled back, BX first. t is the left
// operand's slot (one and two bytes) or the right operand's (four bytes).
// The four-byte routines take the left operand from its saved bytes right
// above their arguments and leave the result there: its two words are pushed
// last, after the words below it (with nothing below, in the usual top-first
// order), and pulled back first.
void callHelper(int32_t op, int width, int left, int right)
{
    const int t = width == 4 ? right : left;
    for (tempCounter = left; tempCounter > FIRST_TEMP;) {
        tempCounter -= 2;
        saveWord(tempCounter);
    }
    if (width == 4) {
        saveWord(left + 2);
        saveWord(left);
    }

    if (width == 1)
        callByteHelper(op, left, right);
    else if (width == 2)
        callWordHelper(op, left, right);
    else
        callLongHelper(op, right);

    if (width == 4 || left != FIRST_TEMP) {
        releaseRegister(t);
        if (width == 1) {
            const char* target = byteOperand(t, false);
            const char* result = byteOperand(FIRST_TEMP, false);
            emit(" LDA {}\n STA {}\n", result, target);
        } else {
            copyWord(t, FIRST_TEMP);
        }
        if (width == 4) {
            restoreWord(left);
            restoreWord(left + 2);
        }
        for (int number = FIRST_TEMP; number < left; number += 2)
            restoreWord(number);
    }

    tempCounter = left + (width == 4 ? 4 : 2);
}

// ---- Shifts -------------------------------------------------------------

// One unrolled step of a constant shift of the value at left.
void shiftStep(bool leftShift, int width, int left)
{
    if (width == 1) {
        const char* target = byteOperand(left, false);
        if (leftShift)
            emit(" ASL {}\n", target);
        else
            emit(" LSR {}\n", target);
    } else if (width == 2) {
        const char* second = wordOperand(left);
        const char* first = wordOperand(left);
        if (leftShift)
            emit(" ASL {}\n ROL {}+1\n", first, second);
        else
            emit(" LSR {}+1\n ROR {}\n", first, second);
    } else {
        loadLongSlot(left);
        const char* fourth = wordOperand(left);
        const char* third = wordOperand(left);
        const char* second = wordOperand(left);
        const char* first = wordOperand(left);
        if (leftShift)
            emit(" ASL {}\n ROL {}+1\n ROL {}+2\n ROL {}+3\n", first, second, third, fourth);
        else
            emit(" LSR {}+3\n ROR {}+2\n ROR {}+1\n ROR {}\n", first, second, third, fourth);
    }
}

// The counted loop: shifts the value at left once per round and decrements
// the count byte to zero (a count of 0 runs 256 rounds).
void shiftLoop(bool leftShift, int width, int left, int count)
{
    const int32_t label = labelCounter;
    if (width == 1) {
        const char* counter = byteOperand(count, false);
        const char* target = byteOperand(left, false);
        if (leftShift)
            emit("LL{} EQU *\n ASL {}\n DEC {}\n BNE LL{}\n", label, target, counter, label);
        else
            emit("LL{} EQU *\n LSR {}\n DEC {}\n BNE LL{}\n", label, target, counter, label);
    } else if (width == 2) {
        const char* counter = byteOperand(count, false);
        const char* second = wordOperand(left);
        const char* first = wordOperand(left);
        if (leftShift)
            emit("LL{} EQU *\n ASL {}\n ROL {}+1\n DEC {}\n BNE LL{}\n", label, first, second,
                 counter, label);
        else
            emit("LL{} EQU *\n LSR {}+1\n ROR {}\n DEC {}\n BNE LL{}\n", label, first, second,
                 counter, label);
    } else {
        loadLongSlot(left);
        const char* counter = byteOperand(count, true);
        const char* fourth = wordOperand(left);
        const char* third = wordOperand(left);
        const char* second = wordOperand(left);
        const char* first = wordOperand(left);
        if (leftShift)
            emit("LL{} EQU *\n ASL {}\n ROL {}+1\n ROL {}+2\n ROL {}+3\n DEC {}\n BNE LL{}\n",
                 label, first, second, third, fourth, counter, label);
        else
            emit("LL{} EQU *\n LSR {}+3\n ROR {}+2\n ROR {}+1\n ROR {}\n DEC {}\n BNE LL{}\n",
                 label, first, second, third, fourth, counter, label);
    }
}

bool isIntegerConstant(const ExprNode* node)
{
    return node->op == CCONST || node->op == ICONST || node->op == LCONST;
}

// TypeCode that a constant count stands for when it is not generated.
TypeCode constantCountType(const ExprNode* node)
{
    if (node->op == CCONST)
        return SIGNED | BASE_CHAR;
    if (node->op == ICONST)
        return SIGNED | BASE_INT;
    return SIGNED | BASE_LONG;
}

}  // namespace

// `*`, `/`, `%` with two operands. The left operand is flushed into its
// registers before the right one is generated, because the code that follows
// loops or calls out. The result replaces the left operand.
TypeCode generateMultiplyDivide(ExprNode* node)
{
    const int left = tempCounter;
    const TypeCode leftType = generateOperand(node->left);
    flushRegisters(REGISTER_LIMIT);
    const int right = tempCounter;
    const TypeCode rightType = generateOperand(node->right);
    const int width = operandWidth(leftType, rightType);
    checkRegister(left + width - 1);
    checkRegister(right + width - 1);

    if (mulDivMode == MULDIV_HELPERS) {
        callHelper(node->op, width, left, right);
    } else {
        if (node->op == STAR) {
            if (width == 1)
                multiplyByte(left, right);
            else if (width == 2)
                multiplyWord(left, right);
            else
                multiplyLong(left, right);
        } else {
            const bool modulo = node->op == PERCENT;
            if (width == 1)
                divideByte(modulo, left, right);
            else if (width == 2)
                divideWord(modulo, left, right);
            else
                divideLong(modulo, left, right);
        }
        tempCounter = right;
    }
    labelCounter += 2;
    return combinedType(leftType, rightType);
}

// `<<` and `>>`. Under -O a constant count is not generated: one-byte values
// are always unrolled, wider ones up to their unroll limit, beyond it a
// counter byte is set; otherwise the count is generated and a loop counts it
// down. Every form takes one label number, used or not.
TypeCode generateShift(ExprNode* node)
{
    const bool leftShift = node->op == SHL;
    const int left = tempCounter;
    const TypeCode leftType = generateOperand(node->left);
    if (node->right == nullptr)
        fatalError("error: expected ID");

    if (optimizeFlag && isIntegerConstant(node->right)) {
        const TypeCode rightType = constantCountType(node->right);
        const int width = operandWidth(leftType, rightType);
        checkRegister(left + width - 1);
        const int32_t mask = width == 1 ? 7 : width == 2 ? 15 : 31;
        const int32_t count = nodeValue(node->right) & mask;
        const int32_t limit = width == 1 ? mask : width == 2 ? UNROLL_LIMIT_WORD : UNROLL_LIMIT_LONG;
        if (count <= limit) {
            for (int32_t step = 0; step < count; ++step)
                shiftStep(leftShift, width, left);
        } else {
            const int counter = tempCounter;
            checkRegister(counter);
            const char* counterText = byteOperand(counter, false);
            emit(" LDA #>{}\n STA {}\n", count, counterText);
            tempCounter += 2;
            shiftLoop(leftShift, width, left, counter);
            tempCounter -= 2;
        }
        labelCounter += 1;
        return combinedType(leftType, rightType);
    }

    const int right = tempCounter;
    const TypeCode rightType = generateExpression(node->right);
    const int width = operandWidth(leftType, rightType);
    checkRegister(left + width - 1);
    flushRegisters(tempCounter);
    shiftLoop(leftShift, width, left, right);
    tempCounter = right;
    labelCounter += 1;
    return combinedType(leftType, rightType);
}
