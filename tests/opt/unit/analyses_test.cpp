// The analyses whose mistakes the output does not always show: liveness
// across a loop's back edge, known values where a loop's paths meet, the
// frame address the compiler forms from X, and what a call reads.
#include <cstdio>
#include <fstream>

#include <gtest/gtest.h>

#include "opt.h"

namespace {

const char* const HEADER =
    "DIVISOR_PRODUCT EQU $E0\nQUOTIENT_FACTOR EQU $E8\nDIVIDEND_REMAINDER EQU $EC\nN EQU $F0\nBP EQU $F0\n"
    "BX EQU $F2\nBL EQU BX\nBH EQU BX+1\nCX EQU $F4\nCL EQU CX\nCH EQU CX+1\nDX EQU $F6\nDL EQU DX\n"
    "DH EQU DX+1\nAX EQU $F8\nAL EQU AX\nAH EQU AX+1\nRAB EQU $FA\nRCD EQU $FC\nREF EQU $FE\n";

// A program whose function ZF is analysed: its region and the analyses.
struct Analysed {
    Program program;
    std::vector<Region> regions;
    Region* function = nullptr;
    Context* context = nullptr;

    explicit Analysed(const std::string& code)
    {
        std::string path = testing::TempDir() + "analyses.asm";
        std::ofstream(path) << HEADER << " ORG $2000\n" << code;
        std::string error;
        EXPECT_TRUE(readProgram(path.c_str(), program, error)) << error;
        regions = findRegions(program);
        for (Region& region : regions)
            for (const Line& line : region.lines)
                if (line.source.label == "ZF")
                    function = &region;
        context = new Context{program, *function, {}, {}, {}};
        analyze(*context);
    }
    ~Analysed()
    {
        freeValues(context->values);
        delete context;
    }
    // The region line of the n-th line whose text is `text`.
    int line(const std::string& text, int n = 1) const
    {
        for (size_t i = 0; i < function->lines.size(); i++)
            if (function->lines[i].text == text && --n == 0)
                return static_cast<int>(i);
        ADD_FAILURE() << "no line " << text;
        return 0;
    }
    bool liveAfter(const std::string& text, int location, int n = 1) const
    {
        return context->liveness.after[line(text, n)] & bit(location);
    }
    // The state on entry to the block that a label starts.
    const State& entry(const std::string& label) const
    {
        return context->values.entry[context->cfg.labelBlock.at(label)];
    }
};

constexpr int CL = LOC_BLOCK + 20;
constexpr int DL = LOC_BLOCK + 22;
constexpr int AL = LOC_BLOCK + 24;

} // namespace

// CL is read at the loop's head: the store at the end of the body keeps it
// live across the back edge; the head's load ends its life until then.
TEST(Liveness, LoopBackEdge)
{
    Analysed f("ZF EQU *\n LDA #1\n STA CL\nLL1 EQU *\n LDA CL\n STA DL\n LDA #2\n STA CL\n DEC AL\n"
               " BNE LL1\n LDA DL\n STA BL\n RTS\n");
    EXPECT_TRUE(f.liveAfter(" STA CL", CL, 1));
    EXPECT_TRUE(f.liveAfter(" STA CL", CL, 2));
    EXPECT_FALSE(f.liveAfter(" LDA CL", CL));
    EXPECT_TRUE(f.liveAfter(" STA DL", DL));
    EXPECT_TRUE(f.liveAfter(" LDA #2", AL));
    EXPECT_FALSE(f.liveAfter(" STA BL", DL));
}

// Where a loop's paths meet, what the loop leaves alone keeps its value and
// what it changes is known by name only, not as its first value.
TEST(Values, LoopHeadMeet)
{
    Analysed f("ZF EQU *\n LDA #7\n STA CL\n LDA #0\n STA DL\nLL1 EQU *\n INC DL\n LDA DL\n CMP #5\n"
               " BNE LL1\n RTS\n");
    const State& head = f.entry("LL1");
    TermTable& terms = *f.context->values.terms;
    EXPECT_EQ(constValue(terms, head.loc[CL]), 7);
    EXPECT_EQ(constValue(terms, head.loc[DL]), -1);
    EXPECT_NE(head.loc[DL], constTerm(terms, 0));
}

// TXA / CLC / ADC #>$0100+N / STA BX / LDA #0 / ADC #<$0100+N / STA BX+1 is
// the frame address of N: (BX),Y with Y = 1 is the frame byte $0101+N while
// X holds what it held, and nothing known once X changed.
TEST(Values, FrameAddressFromX)
{
    Analysed f("NZF EQU $FFFD\nZF EQU *\n TXA\n CLC\n ADC #>$0100+NZF\n STA BX\n LDA #0\n"
               " ADC #<$0100+NZF\n STA BX+1\n LDY #1\n LDA (BX),Y\n DEX\n STA (BX),Y\n RTS\n");
    Context& c = *f.context;
    std::vector<State> states = blockStates(f.program, *f.function, c.values, c.cfg, 0);
    const Block& block = c.cfg.blocks[0];
    for (size_t i = 0; i < block.lines.size(); i++) {
        const Line& line = f.function->lines[block.lines[i]];
        if (line.operand.mode != MODE_INDIRECT_Y)
            continue;
        Target target = resolveIndirect(f.program, c.values, line, states[i], nullptr);
        if (line.op == OP_LDA) {
            EXPECT_EQ(target.kind, TARGET_FRAME);
            EXPECT_EQ(target.base, (0x0101 + 0xFFFD) & 0xFFFF);
        } else {
            EXPECT_EQ(target.kind, TARGET_POINTER);
        }
    }
}

// A runtime routine writes what its header states and reads no block byte;
// a routine outside the program reads every one; a function of the program
// reads what is live where it starts.
TEST(Effects, Calls)
{
    Analysed f("ZF EQU *\n JSR ZMUL16HELPER\n JSR $FFD2\n JSR ZG\n RTS\nZG EQU *\n LDA DL\n STA BL\n RTS\n");
    Program& p = f.program;
    Effects helper = effectsOf(p, f.function->lines[f.line(" JSR ZMUL16HELPER")], nullptr);
    EXPECT_TRUE(helper.writes & bit(LOC_BLOCK + 18));
    EXPECT_TRUE(helper.writes & bit(LOC_Y));
    EXPECT_FALSE(helper.mayWrite & bit(CL));
    EXPECT_FALSE(helper.reads & BLOCK_BYTES);
    Effects outside = effectsOf(p, f.function->lines[f.line(" JSR $FFD2")], nullptr);
    EXPECT_EQ(outside.reads & BLOCK_BYTES, BLOCK_BYTES);
    p.callReads["ZG"] = bit(DL);
    Effects known = effectsOf(p, f.function->lines[f.line(" JSR ZG")], nullptr);
    EXPECT_EQ(known.reads & BLOCK_BYTES, bit(DL));
    EXPECT_TRUE(known.unknownCall);
}
