// quarn-opt: reads a program in the compiler's assembly dialect and writes an
// equivalent, smaller and faster one in the same dialect.
//   readProgram         lines, names and their values, the register block
//                       (program.cpp, through the dialect reader)
//   findRegions         the program cut into functions (regions.cpp), taken
//                       callees first so that a call knows what it reads
//   optimizeRegion      per region, to a fixed point (optimize.cpp): the
//                       analyses (cfg.cpp, values.cpp with terms.cpp,
//                       liveness.cpp, over effects.cpp and isa.cpp), then
//                       each enabled transformation (pass-*.cpp)
//   relaxBranches       branches that reach too far become a jump (relax.cpp)
//   writeProgram        every line as read unless a transformation changed it
// What the output cannot tell (inline asm looks like the compiler's lines,
// volatile variables and ports look like any memory) is assumed: every
// access outside the register block and the current frame stays in its order
// and width; a JSR to a routine that is neither a runtime routine
// (helpers.cpp) nor a function of the program, an indirect JMP and any
// instruction not modelled read and write everything; BX is live at every
// RTS. The program's state lives in Program and its Regions; the analyses of
// one region live in a Context until the next transformation changes it.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "dialect.h"

// ---------------------------------------------------------------- isa.cpp
enum Op : uint8_t {
    OP_NONE,
    OP_ADC, OP_AND, OP_ASL, OP_BCC, OP_BCS, OP_BEQ, OP_BIT, OP_BMI, OP_BNE, OP_BPL, OP_BRK, OP_BVC,
    OP_BVS, OP_CLC, OP_CLD, OP_CLI, OP_CLV, OP_CMP, OP_CPX, OP_CPY, OP_DEC, OP_DEX, OP_DEY, OP_EOR,
    OP_INC, OP_INX, OP_INY, OP_JMP, OP_JSR, OP_LDA, OP_LDX, OP_LDY, OP_LSR, OP_NOP, OP_ORA, OP_PHA,
    OP_PHP, OP_PLA, OP_PLP, OP_ROL, OP_ROR, OP_RTI, OP_RTS, OP_SBC, OP_SEC, OP_SED, OP_SEI, OP_STA,
    OP_STX, OP_STY, OP_TAX, OP_TAY, OP_TSX, OP_TXA, OP_TXS, OP_TYA,
    OP_COUNT
};
Op opFromName(const std::string& mnemonic);
const char* opName(Op op);
bool isConditionalBranch(Op op);
// The branch that tests the same flag the other way.
Op invertBranch(Op op);
// The instruction exists with this mode; zeroPage: the address is below $100.
bool modeExists(Op op, AddressMode mode, bool zeroPage);
// The instruction is one the optimizer may write: it exists, and the
// simulator the programs are tested on runs it (sim65 of cc65 2.19 stops
// on ROL with an absolute X-indexed operand, which every 6502 has).
bool canWrite(Op op, AddressMode mode, bool zeroPage);
int instructionSize(Op op, AddressMode mode, bool zeroPage);
// A 6502 with this address: page zero when the 6502 has a short form.
bool usesZeroPage(Op op, AddressMode mode, bool zeroPage);

// ------------------------------------------------------ locations (effects)
// What liveness and the known values follow: registers, flags and the 32
// bytes of the register block, one bit each.
enum Location : uint8_t {
    LOC_A, LOC_X, LOC_Y, LOC_S, LOC_C, LOC_Z, LOC_N, LOC_V, LOC_D, LOC_I,
    LOC_BLOCK,  // block byte k is LOC_BLOCK + k
};
constexpr int BLOCK_SIZE = 32;
constexpr int LOC_COUNT = LOC_BLOCK + BLOCK_SIZE;
using LocSet = uint64_t;
constexpr LocSet bit(int location) { return LocSet(1) << location; }
constexpr LocSet ALL_FLAGS = bit(LOC_C) | bit(LOC_Z) | bit(LOC_N) | bit(LOC_V);
constexpr LocSet BLOCK_BYTES = ((LocSet(1) << BLOCK_SIZE) - 1) << LOC_BLOCK;
constexpr LocSet ALL_LOCATIONS = (LocSet(1) << LOC_COUNT) - 1;
// The flag a conditional branch tests (isa.cpp), and whether the branch goes
// when that flag is set.
int branchFlag(Op op);
bool takenWhenSet(Op op);

// ------------------------------------------------------------ program.cpp
// An operand address or immediate value: a number and at most one name.
struct Address {
    bool valid = false;     // false: any other expression (kept as text)
    std::string name;       // empty: a plain number
    int64_t offset = 0;
    bool numeric = false;   // the name has a known number (an equate)
    int64_t value = 0;      // numeric: the whole value, modulo 65536
    bool zeroPage = false;  // numeric, below $100 and defined before its use
};

struct Line {
    std::string text;  // as read; written again while `changed` is false
    SourceLine source;
    int number = 0;    // input line number; 0 for a line the optimizer wrote
    Op op = OP_NONE;   // instruction lines only
    Operand operand;
    Address address;   // of operand.expression
    bool changed = false;
    bool deleted = false;
    bool entry = false;  // a label that code outside the region may reach
};

enum SymbolKind : uint8_t { SYMBOL_EQUATE, SYMBOL_LABEL, SYMBOL_DATA };
struct Symbol {
    SymbolKind kind = SYMBOL_LABEL;
    int line = 0;            // index of the defining line
    bool numeric = false;    // an equate with a known number
    int64_t value = 0;
    std::string expression;  // an equate's text
};

struct Program {
    std::vector<Line> lines;  // until findRegions moves them into regions
    std::map<std::string, Symbol> symbols;
    int firstCodeLine = 0;  // number of the first instruction line
    bool hasBlock = false;  // the header defined the register block
    int64_t blockBase = 0;  // its address (DIVISOR_PRODUCT)
    int newLabels = 0;      // labels the optimizer made so far
    // What a call of a function of the program reads: what is live where
    // it starts, once its region is optimized (absent: everything).
    std::map<std::string, LocSet> callReads;
};

// Reads the program; false with a message (file:line: text) on the first
// line that is not the dialect.
bool readProgram(const char* fileName, Program& program, std::string& error);
// Fills a line's instruction fields from its source fields.
void parseInstruction(const Program& program, Line& line);
// An instruction line written by the optimizer.
Line makeInstruction(Program& program, Op op, AddressMode mode, ByteSelect select, const Address& address);
Line makeInstruction(Program& program, Op op);
Line makeLabel(const std::string& name);
std::string newLabelName(Program& program);
std::string formatAddress(const Address& address);
Address offsetAddress(const Address& address, int64_t delta);
struct SymExpr;
// The operand address of a name and offset, its value looked up.
Address addressOf(const Program& program, const SymExpr& expr);
// Block byte 0..31 of a numeric address, or -1.
int blockByte(const Program& program, const Address& address);
// Bytes of code and data a line takes (an estimate where the assembler
// decides: absolute unless page zero is certain).
int lineSize(const Line& line);

// ------------------------------------------------------------ regions.cpp
// A function, or the start-up code: a run of lines from an entry label to the
// line before the next one. Regions are optimized one at a time and own
// their lines; the program is their lines one region after the other.
struct PendingLine {
    int index;    // before or after this line
    bool before;
    Line line;
};
struct Region {
    std::string name;
    std::vector<Line> lines;
    bool optimizable = true;
    std::string reason;  // why not, when not
    std::vector<PendingLine> pending;
};
// Cuts program.lines into regions and marks their entry labels.
std::vector<Region> findRegions(Program& program);
// The compiler's numbered labels and the optimizer's own: only the program's
// own branches name them.
bool isInternalLabel(const std::string& name);
bool writeProgram(const std::vector<Region>& regions, const char* fileName, std::string& error);
// The order in which to optimize the regions: a function before those that
// call it (a call of one not yet optimized reads everything).
std::vector<int> calleesFirst(const std::vector<Region>& regions);
// After a region is optimized: what each function in it reads when called.
void summarizeCalls(Program& program, Region& region);

// ------------------------------------------------------------ helpers.cpp
// The runtime routines of helper-call mode, as their header comments state.
struct HelperContract {
    const char* name;
    LocSet writes;  // results and clobbered registers, flags, block bytes
};
const HelperContract* findHelper(const Program& program, const std::string& label);

// ------------------------------------------------------------ cfg.cpp
struct Block {
    std::vector<int> lines;      // instruction line indexes, in order
    std::vector<int> labels;     // label line indexes before the first one
    std::vector<int> successors; // block indexes
    std::vector<int> predecessors;
    bool exitsUnknown = false;   // control may leave to unknown code (all live)
    bool returns = false;        // ends in RTS
    bool entry = false;          // may be entered from outside the region
    int fallthrough = -1;        // the block that follows in the text, if control falls into it
    int branchTarget = -1;       // the block a branch or JMP names, if in the region
};
struct Cfg {
    std::vector<Block> blocks;
    std::vector<int> blockOfLine;  // per program line: its block or -1
    std::map<std::string, int> labelBlock;
};
Cfg buildCfg(const Program& program, const Region& region);

// ------------------------------------------------------------ terms.cpp
// Known values: every register, flag, block byte and frame slot holds a
// term. Terms are shared: equal ids mean equal values at run time.
using TermId = uint32_t;
enum TermKind : uint8_t {
    T_NONE,
    T_CONST,   // a byte: a
    T_OPAQUE,  // a byte nothing more is known about: a = key
    T_LOW,     // low byte of expression a
    T_HIGH,    // high byte of expression a
    T_MASK,    // a byte: 0 when flag a is set, $FF when not
    F_CONST,   // a flag: a (0 or 1)
    F_OPAQUE,  // a flag: a = key
    F_BIT7,    // bit 7 of byte a
    F_EQUAL,   // byte a equals byte b
    F_ATLEAST, // byte a >= byte b, unsigned
    F_CARRY,   // carry out of the low-byte addition that expression a sums
    F_NOT,     // not flag a
};
struct TermData {
    TermKind kind = T_NONE;
    uint64_t a = 0, b = 0;
};
// A 16-bit symbolic value: name + offset + a byte term (zero-extended).
struct SymExpr {
    std::string name;
    int64_t offset = 0;  // modulo 65536
    TermId index = 0;    // 0: none
};
struct TermTable;  // terms.cpp
TermTable* newTermTable(const Program& program);
void deleteTermTable(TermTable* table);
TermId constTerm(TermTable& table, int value);
TermId flagConst(TermTable& table, bool value);
TermId opaqueTerm(TermTable& table, uint64_t key);
TermId opaqueFlag(TermTable& table, uint64_t key);
TermId lowTerm(TermTable& table, const SymExpr& expr);
TermId highTerm(TermTable& table, const SymExpr& expr);
TermId maskTerm(TermTable& table, TermId flag);
TermId bit7Term(TermTable& table, TermId byte);
TermId equalTerm(TermTable& table, TermId left, TermId right);
TermId atLeastTerm(TermTable& table, TermId left, TermId right);
TermId carryTerm(TermTable& table, const SymExpr& expr);
TermId notTerm(TermTable& table, TermId flag);
const TermData& termOf(const TermTable& table, TermId id);
const SymExpr& exprOf(const TermTable& table, uint64_t exprId);
// The byte or flag value when it is a constant (names resolved), or -1.
int constValue(const TermTable& table, TermId id);
// The term of an immediate or address operand read as a byte, 0 if none.
TermId immediateTerm(TermTable& table, const Line& line);
std::string describeTerm(const TermTable& table, TermId id);

// ------------------------------------------------------------ effects.cpp
// Where an instruction's operand goes, as far as the text tells.
enum TargetKind : uint8_t {
    TARGET_NONE,       // no memory operand
    TARGET_IMMEDIATE,
    TARGET_BLOCK,      // block byte `byte`
    TARGET_FRAME,      // $01xx+NAME,X: a byte of the current frame, base `base`
    TARGET_MEMORY,     // a fixed address outside the block (variable, port)
    TARGET_POINTER,    // through a pointer: any memory but the block (frame included)
    TARGET_UNKNOWN,    // may be anything, block and frame included
};
struct Target {
    TargetKind kind = TARGET_NONE;
    int byte = -1;      // TARGET_BLOCK
    int64_t base = 0;   // TARGET_FRAME: the base address modulo 65536
    bool indexed = false;  // TARGET_FRAME through X
};
struct Effects {
    LocSet reads = 0;       // may be read
    LocSet writes = 0;      // surely written
    LocSet mayWrite = 0;    // may be written (writes included)
    Target target;          // the memory operand
    bool readsTarget = false, writesTarget = false;
    bool sideEffect = false;  // stays whatever is live: memory, stack, control
    bool frameBarrier = false;  // may change any frame byte
    bool unknownCall = false;   // reads and writes everything
};
// The effects of an instruction; `resolved`, when not null, is the target
// the known values found for an indirect operand.
Effects effectsOf(const Program& program, const Line& line, const Target* resolved);
Target targetOf(const Program& program, const Line& line);

// ------------------------------------------------------------ values.cpp
struct FrameSlot {
    int64_t base;
    TermId index;  // the X term of the access
    TermId value;
    Address address;  // as an operand names it: $0100+NAME
};
struct State {
    bool reached = false;
    TermId loc[LOC_COUNT] = {};
    std::vector<FrameSlot> frame;  // known frame bytes
    int flagAge[LOC_COUNT] = {};   // line index that last set each flag
};
struct Values {
    TermTable* terms = nullptr;
    std::vector<State> entry;  // per block
    std::vector<Target> resolved;  // per program line: indirect operands
};
Values analyzeValues(const Program& program, const Region& region, const Cfg& cfg);
void freeValues(Values& values);
// Applies the instruction on line `index` of the region to state.
void stepValues(const Program& program, const Region& region, Values& values, int index, State& state);
// The state on the edge from block `from` to block `to` (branch outcome known).
State edgeState(const Program& program, const Region& region, Values& values, const Cfg& cfg, int from, int to,
                const State& end);
TermId frameValue(const State& state, int64_t base, TermId index);
// The states before each instruction of a block, and after the last.
std::vector<State> blockStates(const Program& program, const Region& region, Values& values, const Cfg& cfg, int block);
// The target of an indirect operand as the known values tell it.
Target resolveIndirect(const Program& program, Values& values, const Line& line, const State& state,
                       SymExpr* address);

// ------------------------------------------------------------ liveness.cpp
struct Liveness {
    std::vector<LocSet> liveIn, liveOut;  // per block
    std::vector<LocSet> after;    // per program line: live after it
};
Liveness analyzeLiveness(const Program& program, const Region& region, const Cfg& cfg, const Values& values);

// ------------------------------------------------------------ optimize.cpp
struct PassInfo {
    const char* name;
    const char* summary;
};
extern const PassInfo PASSES[];
extern const int PASS_COUNT;
struct Options {
    bool disabled[32] = {};
    bool stats = false;
};
int passIndex(const char* name);
// Everything one region needs while it is optimized.
struct Context {
    Program& program;
    Region& region;
    Cfg cfg;
    Values values;
    Liveness liveness;
};
void analyze(Context& context);
void optimizeRegion(Program& program, Region& region, const Options& options);
// Edits made by a pass: lines deleted or replaced in place, lines inserted
// when the pass ends.
void deleteLine(Region& region, int index);
void replaceLine(Region& region, int index, const Line& line);
void insertAfter(Region& region, int index, const Line& line);
void insertBefore(Region& region, int index, const Line& line);
// Applies the deletions and insertions.
void commitEdits(Region& region);

// What the transformations walk. The blocks that control reaches, in order:
std::vector<int> reachedBlocks(const Context& context);
// the effects of each instruction of a block, indirect operands as the known
// values resolve them;
std::vector<Effects> blockEffects(const Context& context, int block);
// every instruction of the reached blocks in order, with its effects and the
// known values before and after it (visit may replace the line it is given).
void forEachInstruction(Context& context,
                        const std::function<void(int index, const Effects& effects, const State& before,
                                                 const State& after)>& visit);

// A label naming a block, made (and remembered in `made`) when it has none.
std::string blockLabel(Context& context, int block, std::vector<std::string>& made);
Address labelAddress(const std::string& name);

// The transformations (one file each). Each returns true when it changed
// something.
bool passHelperCalls(Context& context);
bool passIndirect(Context& context);
bool passConstants(Context& context);
bool passCopies(Context& context);
bool passDeadCode(Context& context, bool stores, bool computations, bool redundant);
bool passStoreMotion(Context& context);
bool passStack(Context& context);
bool passCoalesce(Context& context);
bool passShifts(Context& context);
bool passConditions(Context& context);
bool passThreading(Context& context);
bool passCompare(Context& context);
bool passJumps(Context& context);
bool passLayout(Context& context);
bool passIncrements(Context& context);
bool passUnreachable(Context& context);
bool passLabels(Context& context);
// Branches whose target lies out of reach become an inverted branch over a
// JMP. Always run last.
void relaxBranches(Program& program, Region& region);
